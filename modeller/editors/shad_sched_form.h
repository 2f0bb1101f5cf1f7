// The shading schedule dialog: twelve monthly bars dragged by their handles, read from and saved to
// shading schedule files.  It knows nothing of its caller: the values come in and go out through
// ScheduleBuffer, and every way of closing keeps what is shown.  The window editor and the site
// obstructions dialog open it through Edit.
#pragma once

#include "modeller/editors/shading_schedule.h"
#include "modeller/model/house_model.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QLineEdit>
#include <QWidget>

#include <functional>

namespace pelmora {

class TShadSchedForm;

// The paint box of the bars; it hands the mouse to the dialog.
class ScheduleBarsBox : public QWidget {
    Q_OBJECT
  public:
    ScheduleBarsBox(TShadSchedForm& form, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    TShadSchedForm& form_;
};

class TShadSchedForm : public platform::Dialog {
    Q_OBJECT
  public:
    static constexpr const char* kFileFilter = "Shading Schedule   *.SHS|*.SHS";
    static constexpr const char* kProposedFile = "Schedule1.SHS";

    TShadSchedForm(const HouseModel& model, platform::Services& services, QWidget* parent = nullptr);

    // Shows the dialog modally on `values` (January first) and writes back what it shows at the end.
    void Edit(MonthlyPercent& values);

    // The values handed in before the dialog opens and read back after it closes.
    MonthlyPercent ScheduleBuffer{};
    // Sets panel 0 of the main window's status bar.
    std::function<void(const QString&)> SetStatus;

    ShadingSchedule& schedule() { return schedule_; }

    // ---- Handlers ------------------------------------------------------------------------------
    void FormShow();
    void FormClose();
    void PaintBox1MouseDown(int x, int y);
    void PaintBox1MouseMove(int y);
    void PaintBox1MouseUp();
    void ResetButtonClick();
    void PasteButtonClick();
    void SBopenFileClick();
    void SBsaveClick();
    void OKSBClick();

    ScheduleBarsBox* PaintBox1;
    QLineEdit* edpercentage;
    platform::SpeedButton *SBopenFile, *SBsave, *PasteButton, *ResetButton, *HelpSB, *OKSB;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

  private:
    QString scheduleFolder() const;
    void refresh();

    const HouseModel& model_;
    platform::Services& services_;
    ShadingSchedule schedule_;
};

} // namespace pelmora
