// The building details report window: a modeless window above the others that shows the report
// read-only, with a button per element kind, "SUM" and "ALL", a zone chooser, saving as a rich-text
// file in the program folder's OUTPUT folder and printing.  The report itself is BuildingDetails'.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/material_catalogue.h"
#include "modeller/model/plan_view.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"
#include "modeller/results/building_details.h"
#include "modeller/results/report_document.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

class QFrame;
class QLabel;
class QPrinter;
class QTextDocument;
class QTextEdit;

namespace pelmora {

// Fills `target` with the document's lines, one block per line in its font, colour and weight.
void FillTextDocument(const ReportDocument& document, QTextDocument& target);

// Prints the report's lines in the report's font without its colours: a title line, then the lines
// from the fifth row of each page on, each page closed by its footer.  False when the printer cannot
// be painted on.
bool PrintReportPages(QPrinter& printer, const ReportDocument& document, const std::string& projectName,
                      int runNumber);

class TInfoForm : public platform::Dialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 110;

    // `currentZone` is the plan's CurrentZone, where the report starts; `detailedReportOpen` is set by
    // the openers and cleared when the window closes.
    TInfoForm(HouseModel& model, MaterialTables& tables, PlanView& view, std::int32_t& currentZone,
              bool& detailedReportOpen, platform::Services& services, QWidget* parent = nullptr);
    ~TInfoForm() override;

    // Opens the report on `zone` (0 for all zones) without waiting: the main window's button opens it
    // on all zones, the zone details dialog on its zone.  An open report starts afresh on the zone.
    void ShowStartingOn(int zone);

    // Handlers.
    void FormShow();
    void Display();
    void ChangeZone();
    void ShowAll() { switches.ShowAll(); }
    void HideAll() { switches.HideAll(); }
    void GoToTop();
    void AllSBClick();
    void DetSBClick();
    // A section button: that element kind alone, zone by zone.
    void SectionClick(bool ReportSwitches::*section);
    void OKSBClick();
    void SBsaveClick();
    void PrintSBClick();
    void ZoneNumUpDownClick() { ChangeZone(); }

    // The file the report is saved to: the program folder's OUTPUT folder, project, "_", run, ".RTF".
    std::filesystem::path ReportFileName() const;

    ReportSwitches switches;
    int SelectedZone = 0;
    // The report as last built, as the window shows it.
    const ReportDocument& document() const { return document_; }

    platform::SpeedButton *SBsave, *HelpButton, *PrintSB;
    QFrame* Panel1;
    platform::SpeedButton *SBExtWall, *SBIntWall, *SBExtFloor, *SBIntCeiling, *SBIntFloorCover, *SBExtCeiling,
        *SBRoof, *SBDoor, *SBWindow, *SBSkylight, *SBStairWell, *SBAirFlow, *DetSB, *AllSB;
    platform::UpDown* ZoneNumUpDown;
    QFrame* ZoneColourPanel;
    QLabel *ZoneNameLb, *ZNum;
    platform::SpeedButton* OKSB;
    QTextEdit* RichEdit1;
    platform::PanelStatusBar* StatusBar1;

    // Wide enough for the report's rows beside the plan, tall enough to read a zone at a time.
    QSize sizeHint() const override { return {820, 640}; }

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    class Question;
    void build();

    HouseModel& model_;
    MaterialTables& tables_;
    PlanView& view_;
    std::int32_t& currentZone_;
    bool& detailedReportOpen_;
    platform::Services& services_;
    std::unique_ptr<Question> question_;
    ReportDocument document_;
};

} // namespace pelmora
