// The main window: the project line, the command buttons, the plan with its two rulers, the
// compass, the level buttons, the star panel and the status bar.  It holds the plan's drawing
// surface, runs the start-up when it is first shown and carries the house file commands and the
// simulate command.
#pragma once

#include "modeller/model/plan_view.h"
#include "modeller/plan/plan_drawing.h"
#include "modeller/plan/plan_editor.h"
#include "modeller/plan/workspace.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QImage>
#include <QMainWindow>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QBoxLayout;
class QFrame;
class QLabel;
class QScrollArea;

namespace pelmora {

// The results and the simulation run are only declared here and held by pointer: their headers both
// name the engine's energy file, so no file can include the two together.
class EngineRunner;
class PlatformRatingMessages;
class RatingPanel;
class SimulationCommands;
class TEngineConsoleForm;
class TAnalysisForm;
class TMainForm;
class TProjectDetailsForm;
class TShortReportForm;
class TInfoForm;
class TStarPanel;
class TTextFileForm;
struct RatingTables;
struct SimulationHistory;
struct SimulationParts;
class TMagForm;
class TSnapForm;
class TLocationForm;
class TNameLocationForm;
class TPCLocationForm;
class TSettingsForm;
class TDefaultForm;
class TApplianceForm;
class TWaterForm;
class TWaterSourceForm;
class TEnergySourceForm;
class TObstructionForm;
class TToolsForm;
class TPicImportForm;

// The readers of the rating tables that the start-up runs (the star panel's own readers unless a
// caller installs others).  Each may raise an error; the start-up reports it and goes on.  An empty
// reader is skipped.
struct RatingReaders {
    std::function<void()> ReadStarBands;
    // Shows the empty star panel, then reads the rating history, when there is one, and shows its
    // newest record.
    std::function<void()> ReadRatingHistory;
    std::function<void()> ReadAreaCorrection;
};

// A surface that shows an image kept elsewhere and reports the pointer: the plan's paint box and the
// rulers.
class PaintBox : public QWidget {
    Q_OBJECT
  public:
    PaintBox(const QImage& image, QWidget* parent = nullptr);
    // Where the image's top left pixel stands in the widget.
    void setImageOrigin(QPoint origin) { origin_ = origin; }

  signals:
    void mouseMoved(QPoint position);
    void mousePressed(QPoint position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void mouseReleased(QPoint position);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    const QImage& image_;
    QPoint origin_;
};

// The house file's reader and writer.  The reader fills the model from model.HouseFileOpenName, with
// the climate zone taken from the climate file name, and leaves it as it was when the file cannot be
// read; the writer writes model.HouseFileSaveName.  Both raise an error naming the file when they
// fail.
struct HouseFileAccess {
    std::function<void(HouseModel&)> Read;
    std::function<void(const HouseModel&)> Write;
};

// The main window is the plan the model's plan computations and the plan editor redraw, beep on,
// write their status texts to and keep the selection flags of.
class TMainForm : public QMainWindow, public PlanEditorView {
    Q_OBJECT
  public:
    static constexpr const char* kCaption = "VORT Pro";
    static constexpr int kHelpTopic = 10;

    TMainForm(Workspace& workspace, platform::Services& services, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The dialogs the main window opens, created after it; each is set once the program has
    // created it, and a button whose dialog is not set does nothing.
    struct MainDialogs {
        TAnalysisForm* AnalysisForm = nullptr;
        TProjectDetailsForm* ProjectDetailsForm = nullptr;
        TLocationForm* LocationForm = nullptr;
        TNameLocationForm* NameLocationForm = nullptr;
        TPCLocationForm* PCLocationForm = nullptr;
        TShortReportForm* ShortReportForm = nullptr;
        TInfoForm* InfoForm = nullptr;
        TMagForm* MagForm = nullptr;
        TSnapForm* SnapForm = nullptr;
        TSettingsForm* SettingsForm = nullptr;
        TDefaultForm* DefaultForm = nullptr;
        TObstructionForm* ObstructionForm = nullptr;
        TTextFileForm* TextFileForm = nullptr; // the input file viewer of Simulate and Input
        TToolsForm* ToolsForm = nullptr;
        TApplianceForm* ApplianceForm = nullptr;
        TWaterForm* WaterForm = nullptr;
        TWaterSourceForm* WaterSourceForm = nullptr;
        TEnergySourceForm* EnergySourceForm = nullptr;
        TPicImportForm* PicImportForm = nullptr;
    };
    MainDialogs Dialogs;
    // Every dialog of the program, for placement and help topics.
    void addDialog(platform::Dialog* dialog) { dialogs_.push_back(dialog); }
    RatingReaders Readers;
    HouseFileAccess HouseFiles;

    // ---- Start-up ------------------------------------------------------------------------------
    // The help file lies in the DATA folder beside the executable.
    void FormCreate(const std::filesystem::path& executableFolder);
    // The start-up sequence; runs once, at the first show of the window.
    void FormShow();
    void PositionFramesAndHelp();
    void RefreshProjectLine();
    bool startedUp() const { return startedUp_; }

    // ---- Plan drawing --------------------------------------------------------------------------
    void PaintBox1Paint();
    void BlankBackground();
    void RestoreAll() override;
    void DrawAllOnCurrentLevel() override;
    void DeselectAll() override;
    void DeselectAndDrawAllNodes(int level) override;
    PlanDrawing& drawing() { return drawing_; }
    // The plan as shown: the canvas of the visible part of the plan.
    const QImage& planCanvas() const { return canvas_; }
    // Makes the canvas cover `size` pixels from plan position `origin` (the scroll position).
    void resizeCanvas(QSize size, QPoint origin);

    // ---- Scale ---------------------------------------------------------------------------------
    void ChangeMagnitude(int index);
    // The change of the scale dialog: `snapBase` is the snap step when the dialog was shown, and
    // with `refreshScreen` the plan is refreshed as "Refresh Screen" does instead of redrawn.
    void ChangeMagnitudeFrom(int index, int snapBase, bool refreshScreen);
    void ChangeScrollRange();
    void ShowScaleLabels();

    // ---- Levels and compass --------------------------------------------------------------------
    void ShowLevelButtons();
    void ResetLevelButtons();
    void SBLevelClick(int level);
    void UpperLevelSBClick();
    void LowerLevelSBClick();
    void drawCompass();
    void ChangeBearings();
    // "Add level above current level", "Add level below current level" and "Delete level".
    void SBnewLevelAboveClick();
    void SBnewLevelBelowClick();
    void SBdeleteLevelClick();
    // The bearing typed for the plan's top side sets the north angle; text that is not a whole
    // number is refused with a beep and the last good angle stays.
    void NorthEBChange();
    void imgCompassFaceClick();
    void imgCompassFaceMouseLeave();
    void imgCompassFaceMouseMove(int x, int y);

    // ---- The plan as the model's plan computations see it ------------------------------------------
    void Beep() override;
    void ShowStatus(const std::string& text) override;
    void NodeDestroyed(int zone, int node) override;
    void ZoneDiscarded(int zone) override;
    void ToggleLevelOutlines() override;
    void ShowLevelOne() override;

    // ---- The plan editor's tools --------------------------------------------------------------
    // The tool state and what clicks on the plan do; the window forwards its mouse events and the
    // tool buttons' clicks to it.
    PlanEditor& planEditor() { return *planEditor_; }
    void SBDrawNewZoneClick();
    void SBDrawEavesClick();
    void SBdeleteEavesClick();
    void SBInsertInternalWallClick();
    void SBInsertWindowClick();
    void SBInsertDoorClick();
    void SBInsertSkylightClick();
    void StairWellSBClick();
    void SBPlusNodeClick();
    void SBDeleteClick();
    void SBDelZoneClick();
    void MoveFreeClick();
    void Move090Click();
    void ReleaseSBClick();
    void PaintBox1MouseDown(QPoint position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void PaintBox1MouseUp(QPoint position);
    // The nudges; the arrow keys run them too.
    void SBLClick();
    void SBRClick();
    void SBUClick();
    void SBDClick();
    // The window's keys: Escape releases the tie with the picked node, the arrows nudge.
    void FormKeyDown(int key);

    // ---- The plan as the plan editor sees it ----------------------------------------------------
    bool InEditMode() const override { return EditMode; }
    void ShowPicked(const std::string& text) override;
    void ToolsChanged() override;
    void DrawBox(TPlanPoint p, std::int32_t colour) override;
    void DrawRubberBand(TPlanPoint a, TPlanPoint b, int width) override;
    void DrawAllZoneNodes(int zone) override;
    void DrawAllNodesOnLevel(int level) override;
    void DrawEavesNodes(int level) override;
    void DrawIntWallNodes(int zone, int n) override;
    void DrawWinNode(int zone, int wall, int k) override;
    void DrawDoorNode(int zone, int wall, int k) override;
    void ShowZoneArea(const std::string& text) override;
    bool Confirm(const std::string& question) override;
    void Inform(const std::string& text) override;

    // ---- Commands ------------------------------------------------------------------------------
    void SBeditButtonClick();
    void BackgroundOnlySBClick();
    void WipeSBClick();
    void HideBackgroundSBClick();
    void ProjectSBClick();
    // The site: the location dialog (modeless), and the searches by name and by postcode (modal).
    void SBlocationClick();
    void LocationLabelClick();
    void PCLabelClick();
    void MagSBClick();
    void SnappSBClick();
    // The simulation mode dialog, once a climate file is chosen and zones exist.
    void ModeSBClick();
    void SBdefaultsClick();
    void ObsSBClick();
    void ToolsSBClick();
    // The water and energy usage dialogs.
    void ApplianceSBClick();
    void WaterSBClick();
    void WaterSourceSBClick();
    void EnergySourceSBClick();
    void SBPrintPlanClick();
    void HelpButtonClick();
    // The analysis dialog, modal; a beep while no rating is kept.
    void AnalysisSBClick();
    // The short report of the newest rating, modal, when the house can be rated and its results are
    // current; otherwise a box says why not.
    void ReportButtonClick();
    // The building details report on all zones, modeless.
    void SBZoneInfoClick();
    void ShowPic(int level);
    // The background picture dialog, modeless.
    void GraphicsSBClick();
    // Checks the house, runs the pre-simulation pass, writes the card file and shows it.
    void ScratchSBClick();

    // ---- Simulate ------------------------------------------------------------------------------
    // Checks the house, runs the pre-simulation pass, writes the card file, runs the engine behind its
    // console window and, when the run completed, shows its rating on the star panel.
    void SimulateSBClick();
    // Writes the card file of the house in the program folder (the engine input writer unless a
    // caller installs another).
    std::function<void(HouseModel&)> CardWriter;
    // Starts the engine and waits for it (the engine's console window unless a caller installs
    // another).
    EngineRunner* Engine = nullptr;
    // The commands of the last simulate click, with how its run ended; none before the first.
    const SimulationCommands* lastSimulation() const;
    // What a completed run hands to the star panel: its record stored and shown, and the delete
    // button.
    void ProcessSimulation();
    void ShowDelRecSB();

    // ---- House file commands -------------------------------------------------------------------
    void SBnewClick();
    void SBopenFileClick();
    void SBsaveClick();
    void SaveAsSBClick();
    void ChangeScaleAndSave();
    void ResetJob();
    // Removes a zone with its records and selection flags.
    void DiscardZone(int zone);
    // True when the window may close.
    bool FormCloseQuery();
    // The answer of the last save prompt: 0 Cancel, 1 Yes, 2 No.
    int SaveAnswer = 0;
    bool EditMode = false;
    bool CompassLocked = true;

    // ---- Components ----------------------------------------------------------------------------
    platform::ClickableLabel *ProjectLabel, *RunLabel, *LocationLabel, *PCLabel, *ClimateLabel;
    QFrame* FilePanel; // New and Open, shown before any house exists
    QFrame* TopPanel;
    platform::SpeedButton *SBnew, *SBopenFile, *SBsave, *SaveAsSB, *ProjectSB, *SBlocation, *GraphicsSB,
        *ModeSB, *SBdefaults, *ObsSB, *SimulateSB, *ScratchSB, *SBZoneInfo, *ReportButton, *SBPrintPlan,
        *ToolsSB, *ApplianceSB, *WaterSB, *WaterSourceSB, *EnergySourceSB, *HelpButton;
    QScrollArea* ScrollBox1;
    QWidget* Panel1;
    PaintBox* PaintBox1;
    QFrame *Xpanel, *Ypanel;
    PaintBox *PaintBoxX, *PaintBoxY;
    QLabel* BackgroundImage; // shown while the current level's picture is displayed
    QFrame* EditPanel;
    platform::SpeedButton *SBDrawNewZone, *SBDrawEaves, *SBdeleteEaves, *SBInsertInternalWall,
        *SBInsertWindow, *SBInsertDoor, *SBInsertSkylight, *StairWellSB, *SBPlusNode, *SBDelete, *SBDelZone;
    QFrame* SnapPanel;
    platform::SpeedButton *MoveFree, *Move090, *SBL, *SBR, *SBU, *SBD, *WipeSB, *SnappSB, *BackgroundOnlySB,
        *HideBackgroundSB, *ReleaseSB;
    QLabel *ScaleLabel, *SnapLabel;
    QFrame* LevelsPanel;
    std::array<platform::SpeedButton*, 7> SBLevel{}; // SBLevel[1..6]
    platform::SpeedButton *UpperLevelSB, *LowerLevelSB;
    QFrame* LevelsEditPanel;
    platform::SpeedButton *SBnewLevelAbove, *SBnewLevelBelow, *SBdeleteLevel;
    QFrame* compasspanel;
    platform::ClickableLabel* imgCompassFace;
    QLabel *lbBearingTop, *lbBearingRight, *lbBearingBottom, *lbBearingLeft;
    platform::EditBox* NorthEB;
    TStarPanel* StarPanel;
    QFrame* Panel3;
    platform::SpeedButton *SBeditButton, *MagSB;
    platform::PanelStatusBar* StatusBar1;

    // The star panel's state and handlers, the kept ratings and the rating tables.
    RatingPanel& ratingPanel() { return *ratingPanel_; }
    SimulationHistory& history() { return *history_; }
    RatingTables& ratingTables() { return *ratingTables_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildProjectLine(QWidget* parent, QBoxLayout* layout);
    void buildTopPanel(QWidget* parent, QBoxLayout* layout);
    QWidget* buildPlanArea(QWidget* parent);
    QWidget* buildSidePanels(QWidget* parent);
    void buildStarPanel(QWidget* parent);
    void connectCommands();
    void connectPlanTools();
    void connectLevelCommands();
    platform::SpeedButton* toolButton(PlanTool tool) const;
    void createSimulation();
    void runStartupStep(const std::function<void()>& step);
    void planScrolled();
    void PaintBox1MouseMove(QPoint position);
    void drawRulers();
    void moveRulerMarks(QPoint position);
    void showLevelPicture();
    // The house file commands' shared parts.  The save prompt asks about a named house always and
    // about an unnamed one when it holds unsaved work; false when the user kept the house.
    bool savePrompt();
    bool unnamedSavePrompt();
    // The house as a save would write it, with the levels that have a plan picture: what the last
    // New, Open or save left is compared with it to tell unsaved work.
    std::string savedForm() const;
    // Takes the house as it stands as saved.
    void markSaved() { savedHouse_ = savedForm(); }
    bool hasUnsavedWork() const { return savedHouse_ && *savedHouse_ != savedForm(); }
    // New: the save prompt, then the plan tools and a reset model; false when the prompt was cancelled.
    bool newHouse();
    void savePictures(const std::filesystem::path& plansFolder);
    void loadPictures(const std::filesystem::path& plansFolder);
    QString houseFileName() const;
    std::filesystem::path programSubfolder(std::string_view name) const;
    std::filesystem::path planPictureFile(int level) const;

    Workspace& workspace_;
    HouseModel& model_;
    // The saved form of the house after the last New, Open or save; none before the first house.
    std::optional<std::string> savedHouse_;
    platform::Services& services_;
    std::unique_ptr<SimulationHistory> history_;
    std::unique_ptr<RatingTables> ratingTables_;
    std::unique_ptr<PlatformRatingMessages> ratingMessages_;
    std::unique_ptr<RatingPanel> ratingPanel_;
    PlanDrawing drawing_;
    std::unique_ptr<PlanEditor> planEditor_;
    // The simulate command's state (the engine input writer's lasts for the program's life) and its
    // two windows.
    std::shared_ptr<SimulationParts> simulation_;
    TEngineConsoleForm* engineConsole_ = nullptr;
    QImage canvas_;
    QImage rulerX_, rulerY_;
    std::vector<platform::Dialog*> dialogs_;
    platform::SpeedButtonGroup* levelGroup_;
    std::filesystem::path executableFolder_;
    QPoint LastMousePoint;
    int RulerOffsetX = 3;
    int RulerOffsetY = 3;
    bool startedUp_ = false;
};

} // namespace pelmora
