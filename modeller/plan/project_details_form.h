// The project details dialog: the project name and run number, the client's and the assessor's
// contact details, the dwelling's address, the software, version and assessment date, and free
// comment lines.  Client and assessor details can be saved to and opened from small files in the
// program folder's schedule folder.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QComboBox>
#include <QPlainTextEdit>

#include <array>

namespace pelmora {

class TMainForm;

class TProjectDetailsForm : public platform::Dialog {
    Q_OBJECT
  public:
    TProjectDetailsForm(HouseModel& model, platform::Services& services, TMainForm& mainForm,
                        QWidget* parent = nullptr);

    // Handlers.
    void FormShow();
    void UpDown1Click();
    void RunNChange();
    void OKSBClick();
    void ClientNewSBClick();
    void AssessorNewSBClick();
    void TodayButtonClick();
    void SBsaveClick();
    void SBopenClick();
    void AssessSaveSBClick();
    void AssessOpenSBClick();

    platform::EditBox* ProjectN;
    platform::EditBox* RunN;
    platform::UpDown* UpDown1;
    // E1..E24: client (1..6), assessor (7..13), dwelling (14..21), software, version, date (22..24).
    std::array<platform::EditBox*, 25> E{}; // index 0 unused
    QComboBox* StateCB;
    QPlainTextEdit* CommentBox;
    platform::SpeedButton* OKSB;
    platform::SpeedButton* ClientNewSB;
    platform::SpeedButton* SBopen;
    platform::SpeedButton* SBsave;
    platform::SpeedButton* AssessorNewSB;
    platform::SpeedButton* AssessOpenSB;
    platform::SpeedButton* AssessSaveSB;
    platform::SpeedButton* TodayButton;
    platform::SpeedButton* HelpButton;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void build();
    void showClient();
    void showAssessor();
    void storeClient();
    void storeAssessor();
    QString scheduleFolder() const;

    HouseModel& model_;
    platform::Services& services_;
    TMainForm& mainForm_;
};

// The assessment date as the system writes a short date.
QString todayShortDate();

} // namespace pelmora
