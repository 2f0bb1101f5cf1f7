// The climate summary dialog: the summary table of the climate file, as the climate details dialog
// wrote it to the OUTPUT folder, read-only, with printing.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"

#include <QTextEdit>

#include <filesystem>

namespace pelmora {

class TLocationForm;

// The summary table of the climate file, read from the file the details dialog wrote.
class TClimateSummaryForm : public platform::Dialog {
    Q_OBJECT
  public:
    static constexpr const char* kPrintTitle = "Climate Summary";

    TClimateSummaryForm(HouseModel& model, TLocationForm& location, QWidget* parent = nullptr);
    ~TClimateSummaryForm() override;

    void FormShow();
    // Empties the text and appends the file's lines one by one.
    void DisplayFile(const std::filesystem::path& file);
    void SpeedButton22Click();
    void OKSBClick();

    QTextEdit* RichEdit1;
    platform::SpeedButton *SpeedButton22, *OKSB;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    HouseModel& model_;
    TLocationForm& location_;
};

} // namespace pelmora
