#include "modeller/plan/main_form.h"

#include "common/file_lookup.h"
#include "modeller/model/level_defaults.h"
#include "modeller/model/plan_geometry.h"
#include "modeller/model/product_codes.h"
#include "modeller/model/product_libraries.h"
#include "modeller/plan/background_picture.h"
#include "modeller/plan/compass.h"
#include "modeller/plan/frame_placement.h"
#include "modeller/plan/pic_import_form.h"
#include "modeller/plan/project_details_form.h"
#include "modeller/plan/scale_forms.h"
#include "modeller/platform/application.h"
#include "modeller/platform/help_service.h"
#include "modeller/platform/message_service.h"
#include "modeller/platform/print_service.h"
#include "modeller/results/rating_panel.h"
#include "modeller/results/simulation_records.h"
#include "modeller/results/star_panel_widget.h"
#include "modeller/results/star_rating.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <numbers>

namespace pelmora {

namespace {

constexpr int kRulerDepth = 30; // px across each ruler
constexpr const char* kTeal = "#008080";
constexpr const char* kHelpFile = "DATA/zazozor1.hlp";

QFrame* panel(QWidget* parent, const char* name) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return frame;
}

platform::SpeedButton* button(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                              QBoxLayout* layout = nullptr) {
    auto* b = new platform::SpeedButton(caption, hint, parent);
    b->setObjectName(name);
    if (layout) layout->addWidget(b);
    return b;
}

// A button of a command that later work adds: shown with its hint, not yet usable.
platform::SpeedButton* laterButton(QWidget* parent, const char* name, const QString& caption,
                                   const QString& hint, QBoxLayout* layout) {
    auto* b = button(parent, name, caption, hint, layout);
    b->setEnabled(false);
    return b;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QBoxLayout* layout = nullptr) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    if (layout) layout->addWidget(l);
    return l;
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

PaintBox::PaintBox(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(origin_, image_);
}

void PaintBox::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->position().toPoint());
}

void PaintBox::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->position().toPoint(), event->button(), event->modifiers());
}

void PaintBox::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event->position().toPoint());
}

TMainForm::TMainForm(Workspace& workspace, platform::Services& services, QWidget* parent)
    : QMainWindow(parent), workspace_(workspace), model_(workspace.model), services_(services),
      history_(std::make_unique<SimulationHistory>()), ratingTables_(std::make_unique<RatingTables>()),
      ratingMessages_(std::make_unique<PlatformRatingMessages>(services.messages)),
      ratingPanel_(
          std::make_unique<RatingPanel>(workspace.model, *history_, *ratingTables_, *ratingMessages_)),
      drawing_(workspace.model, workspace.selection, workspace.scale),
      planEditor_(
          std::make_unique<PlanEditor>(workspace.model, workspace.selection, workspace.scale, *this)) {
    setObjectName("MainForm");
    setWindowTitle(kCaption);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildProjectLine(central, layout);
    buildTopPanel(central, layout);
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildSidePanels(central));
    middle->addWidget(buildPlanArea(central), 1);
    buildStarPanel(central);
    middle->addWidget(StarPanel);
    layout->addLayout(middle, 1);
    setCentralWidget(central);
    StatusBar1 = new platform::PanelStatusBar({230, 240, 300, 50}, this);
    setStatusBar(StatusBar1);
    connectCommands();
    Readers.ReadStarBands = [this] { ratingPanel_->ReadStarBands(); };
    Readers.ReadRatingHistory = [this] { ratingPanel_->ReadRatingHistory(); };
    Readers.ReadAreaCorrection = [this] { ratingPanel_->ReadAreaCorrection(); };
    createSimulation();
    // Until a house exists only the plan, the compass and the star panel show.
    for (QWidget* w : std::initializer_list<QWidget*>{TopPanel, SnapPanel, LevelsPanel, Panel3, EditPanel,
                                                      LevelsEditPanel, StarPanel->DelRecSB})
        w->hide();
    resize(1200, 860);
}

TMainForm::~TMainForm() = default;

void TMainForm::ProcessSimulation() {
    ratingPanel_->ProcessSimulation();
}

void TMainForm::ShowDelRecSB() {
    ratingPanel_->ShowDelRecSB();
}

void TMainForm::buildProjectLine(QWidget* parent, QBoxLayout* layout) {
    auto* line = new QFrame(parent);
    line->setObjectName("ProjectLine");
    line->setAutoFillBackground(true);
    line->setStyleSheet(QString("#ProjectLine { background: %1; } QLabel { color: white; }").arg(kTeal));
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(4, 2, 4, 2);
    const auto pair = [&](const char* caption, const char* name, int width) {
        label(line, "", caption, row);
        auto* value = new platform::ClickableLabel(line);
        value->setObjectName(name);
        value->setMinimumWidth(width);
        value->setStyleSheet("QLabel { background: white; color: black; padding: 1px 4px; }");
        row->addWidget(value);
        return value;
    };
    ProjectLabel = pair("  Project Name", "ProjectLabel", 200);
    RunLabel = pair(" Run", "RunLabel", 30);
    LocationLabel = pair(" Location", "LocationLabel", 160);
    PCLabel = pair(" PC", "PCLabel", 40);
    ClimateLabel = pair(" Climate File", "ClimateLabel", 100);
    row->addStretch();
    layout->addWidget(line);
}

void TMainForm::buildTopPanel(QWidget* parent, QBoxLayout* layout) {
    // New and Open stand on a panel of their own that is always shown: the top panel stays hidden
    // until a house exists, and these two are the way to one.
    FilePanel = panel(parent, "FilePanel");
    auto* files = new QHBoxLayout(FilePanel);
    files->setContentsMargins(2, 2, 2, 2);
    files->setSpacing(1);
    SBnew = button(FilePanel, "SBnew", "New", "New File", files);
    SBopenFile = button(FilePanel, "SBopenFile", "Open", "Open File", files);
    TopPanel = panel(parent, "TopPanel");
    auto* row = new QHBoxLayout(TopPanel);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(1);
    SBsave = button(TopPanel, "SBsave", "Save", "Save File", row);
    SaveAsSB = button(TopPanel, "SaveAsSB", "Save in", "Save File in New Directory", row);
    row->addSpacing(6);
    ProjectSB = button(TopPanel, "ProjectSB", "Project", "Enter Project Details", row);
    SBlocation = button(TopPanel, "SBlocation", "Location", "Select Location", row);
    GraphicsSB = button(TopPanel, "GraphicsSB", "Bkgnd", "Background", row);
    ModeSB = button(TopPanel, "ModeSB", "Mode", "Select Conditioned or\nFree Running Mode", row);
    SBdefaults = button(TopPanel, "SBdefaults", "Defaults", "Set Defaults", row);
    ObsSB = button(TopPanel, "ObsSB", "Obstruct", "Overshadowing by obstructions", row);
    row->addSpacing(6);
    SimulateSB = button(TopPanel, "SimulateSB", "Simulate", "Simulate", row);
    ScratchSB = button(TopPanel, "ScratchSB", "Input", "Display SCRATCH File", row);
    SBZoneInfo = button(TopPanel, "SBZoneInfo", "Details", "Detailed Report", row);
    ReportButton = button(TopPanel, "ReportButton", "Report", "VORT Report", row);
    SBPrintPlan = button(TopPanel, "SBPrintPlan", "Print", "Print this screen", row);
    row->addSpacing(6);
    ToolsSB = button(TopPanel, "ToolsSB", "Tools", "Tools", row);
    ApplianceSB = button(TopPanel, "ApplianceSB", "Energy", "Energy Consumption", row);
    WaterSB = button(TopPanel, "WaterSB", "Water", "Water Consumption", row);
    WaterSourceSB = button(TopPanel, "WaterSourceSB", "W Src", "Water Sources", row);
    EnergySourceSB = button(TopPanel, "EnergySourceSB", "E Src", "Energy Sources", row);
    row->addStretch();
    HelpButton = button(TopPanel, "HelpButton", "Help", "Help", row);
    auto* bar = new QHBoxLayout;
    bar->setSpacing(0);
    bar->addWidget(FilePanel);
    bar->addWidget(TopPanel, 1);
    bar->addStretch();
    layout->addLayout(bar);
}

QWidget* TMainForm::buildPlanArea(QWidget* parent) {
    auto* area = new QWidget(parent);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    Xpanel = new QFrame(area);
    Ypanel = new QFrame(area);
    PaintBoxX = new PaintBox(rulerX_, Xpanel);
    PaintBoxY = new PaintBox(rulerY_, Ypanel);
    PaintBoxX->setObjectName("PaintBoxX");
    PaintBoxY->setObjectName("PaintBoxY");
    (new QVBoxLayout(Xpanel))->addWidget(PaintBoxX);
    (new QVBoxLayout(Ypanel))->addWidget(PaintBoxY);
    Xpanel->layout()->setContentsMargins(0, 0, 0, 0);
    Ypanel->layout()->setContentsMargins(0, 0, 0, 0);
    Xpanel->setFixedHeight(kRulerDepth);
    Ypanel->setFixedWidth(kRulerDepth);

    ScrollBox1 = new QScrollArea(area);
    ScrollBox1->setObjectName("ScrollBox1");
    // A 3-pixel frame: the rulers count plan coordinate 0 from 3 pixels left of and above the plan.
    ScrollBox1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ScrollBox1->setLineWidth(3);
    Panel1 = new QWidget;
    Panel1->setObjectName("Panel1");
    PaintBox1 = new PaintBox(canvas_, Panel1);
    PaintBox1->setObjectName("PaintBox1");
    PaintBox1->setCursor(Qt::CrossCursor);
    BackgroundImage = new QLabel(Panel1);
    BackgroundImage->setObjectName("BackgroundImage");
    BackgroundImage->hide();
    ScrollBox1->setWidget(Panel1);
    ScrollBox1->viewport()->installEventFilter(this);

    grid->addWidget(Xpanel, 0, 1);
    grid->addWidget(Ypanel, 1, 0);
    grid->addWidget(ScrollBox1, 1, 1);
    return area;
}

QWidget* TMainForm::buildSidePanels(QWidget* parent) {
    auto* side = new QWidget(parent);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(2, 2, 2, 2);

    Panel3 = panel(side, "Panel3");
    auto* p3 = new QHBoxLayout(Panel3);
    SBeditButton = button(Panel3, "SBeditButton", "Edit", "Edit Floor Plan", p3);
    SBeditButton->setCheckable(true);
    MagSB = button(Panel3, "MagSB", "Zoom", "Zoom in", p3);
    column->addWidget(Panel3);

    EditPanel = panel(side, "EditPanel");
    auto* tools = new QGridLayout(EditPanel);
    const auto tool = [&](const char* name, const char* caption, const char* hint, int row, int col) {
        auto* b = button(EditPanel, name, caption, hint);
        b->setCheckable(true);
        tools->addWidget(b, row, col);
        return b;
    };
    SBDrawNewZone = tool("SBDrawNewZone", "Zone", "Draw New Zone", 0, 0);
    SBPlusNode = tool("SBPlusNode", "Node +", "Add a Node", 0, 1);
    SBInsertWindow = tool("SBInsertWindow", "Window", "New Window", 1, 0);
    SBInsertDoor = tool("SBInsertDoor", "Door", "New Door", 1, 1);
    SBInsertInternalWall = tool("SBInsertInternalWall", "Int Wall", "New Internal Wall", 2, 0);
    SBInsertSkylight = tool("SBInsertSkylight", "Skylight", "New Skylight", 2, 1);
    StairWellSB = tool("StairWellSB", "Stairs", "New Stairwell", 3, 0);
    SBDrawEaves = tool("SBDrawEaves", "Eaves", "Draw Eaves", 3, 1);
    SBdeleteEaves = tool("SBdeleteEaves", "Eaves -", "Delete Eaves", 4, 0);
    SBDelete = button(EditPanel, "SBDelete", "Delete", "Delete Node, Door, Window, Wall");
    SBDelZone = button(EditPanel, "SBDelZone", "Del Zone", "Delete Zone");
    tools->addWidget(SBDelete, 4, 1);
    tools->addWidget(SBDelZone, 5, 0);
    column->addWidget(EditPanel);

    SnapPanel = panel(side, "SnapPanel");
    auto* snap = new QGridLayout(SnapPanel);
    const auto snapButton = [&](const char* name, const char* caption, const char* hint, int row, int col,
                                bool later) {
        auto* b = later ? laterButton(SnapPanel, name, caption, hint, nullptr)
                        : button(SnapPanel, name, caption, hint);
        snap->addWidget(b, row, col);
        return b;
    };
    MoveFree = snapButton("MoveFree", "Free", "Unrestricted Movement", 0, 0, false);
    Move090 = snapButton("Move090", "0/90", "Restricted Movement", 0, 1, false);
    SBL = snapButton("SBL", "<", "Nudge Left", 1, 0, false);
    SBR = snapButton("SBR", ">", "Nudge Right", 1, 1, false);
    SBU = snapButton("SBU", "^", "Nudge Up", 2, 0, false);
    SBD = snapButton("SBD", "v", "Nudge Down", 2, 1, false);
    ReleaseSB = snapButton("ReleaseSB", "Release", "Release tie with node", 3, 0, false);
    WipeSB = snapButton("WipeSB", "Refresh", "Refresh Screen, show plan and background", 3, 1, false);
    SnappSB = snapButton("SnappSB", "Snap", "Snap to the grid", 4, 0, false);
    BackgroundOnlySB = snapButton("BackgroundOnlySB", "Bkg only", "Only Show Background", 4, 1, false);
    HideBackgroundSB = snapButton("HideBackgroundSB", "Hide bkg", "Hide Background", 5, 0, false);
    ScaleLabel = label(SnapPanel, "ScaleLabel", "Scale");
    SnapLabel = label(SnapPanel, "SnapLabel", "Snap");
    snap->addWidget(ScaleLabel, 6, 0, 1, 2);
    snap->addWidget(SnapLabel, 7, 0, 1, 2);
    column->addWidget(SnapPanel);

    // The level buttons stand two to a row, and the outline buttons side by side, so that a house of
    // six levels keeps the window within a small screen.
    LevelsPanel = panel(side, "LevelsPanel");
    auto* levels = new QVBoxLayout(LevelsPanel);
    auto* levelGrid = new QGridLayout;
    levelGroup_ = new platform::SpeedButtonGroup(false, this);
    for (int level = 1; level <= kMaxLevels; ++level) {
        const QString name = QString("SBLevel%1").arg(level);
        auto* b = button(LevelsPanel, name.toLatin1().constData(), QString("Level %1").arg(level), "");
        SBLevel[static_cast<std::size_t>(level)] = b;
        levelGrid->addWidget(b, (level - 1) / 2, (level - 1) % 2);
        levelGroup_->add(b);
    }
    levels->addLayout(levelGrid);
    auto* outlines = new QHBoxLayout;
    UpperLevelSB = button(LevelsPanel, "UpperLevelSB", "Above", "Show level above current level", outlines);
    LowerLevelSB = button(LevelsPanel, "LowerLevelSB", "Below", "Show level below current level", outlines);
    levels->addLayout(outlines);
    UpperLevelSB->setCheckable(true);
    LowerLevelSB->setCheckable(true);
    LevelsEditPanel = panel(LevelsPanel, "LevelsEditPanel");
    auto* levelEdit = new QHBoxLayout(LevelsEditPanel);
    SBnewLevelAbove =
        button(LevelsEditPanel, "SBnewLevelAbove", "+Up", "Add level above current level", levelEdit);
    SBnewLevelBelow =
        button(LevelsEditPanel, "SBnewLevelBelow", "+Dn", "Add level below current level", levelEdit);
    SBdeleteLevel = button(LevelsEditPanel, "SBdeleteLevel", "Del", "Delete level", levelEdit);
    levels->addWidget(LevelsEditPanel);
    column->addWidget(LevelsPanel);

    compasspanel = panel(side, "compasspanel");
    auto* compass = new QGridLayout(compasspanel);
    imgCompassFace = new platform::ClickableLabel(compasspanel);
    imgCompassFace->setObjectName("imgCompassFace");
    imgCompassFace->setFixedSize(70, 70);
    imgCompassFace->setToolTip("Click and move North point");
    lbBearingTop = label(compasspanel, "lbBearingTop", "0°");
    lbBearingRight = label(compasspanel, "lbBearingRight", "90");
    lbBearingBottom = label(compasspanel, "lbBearingBottom", "180");
    lbBearingLeft = label(compasspanel, "lbBearingLeft", "270");
    NorthEB = new platform::EditBox(compasspanel);
    NorthEB->setObjectName("NorthEB");
    NorthEB->setToolTip("Enter to set North point");
    NorthEB->setFixedWidth(40);
    compass->addWidget(lbBearingTop, 0, 1, Qt::AlignHCenter);
    compass->addWidget(lbBearingLeft, 1, 0);
    compass->addWidget(imgCompassFace, 1, 1);
    compass->addWidget(lbBearingRight, 1, 2);
    compass->addWidget(lbBearingBottom, 2, 1, Qt::AlignHCenter);
    compass->addWidget(NorthEB, 3, 1, Qt::AlignHCenter);
    column->addWidget(compasspanel);
    column->addStretch();
    side->setFixedWidth(150);
    // On a screen too low for the whole column it scrolls, rather than pushing the status bar, which
    // carries the plan editor's refusals, off the window.
    auto* scroller = new QScrollArea(parent);
    scroller->setObjectName("SidePanelScroller");
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroller->setWidget(side);
    scroller->setFixedWidth(side->width() + scroller->verticalScrollBar()->sizeHint().width());
    return scroller;
}

void TMainForm::buildStarPanel(QWidget* parent) {
    StarPanel = new TStarPanel(*ratingPanel_, services_.messages, parent);
    StarPanel->setFixedWidth(StarPanel->sizeHint().width());
}

void TMainForm::connectCommands() {
    auto& messages = services_.messages;
    const auto on = [&](QAbstractButton* b, auto handler) {
        connect(b, &QAbstractButton::clicked, this, platform::guarded(messages, handler));
    };
    on(SBnew, [this] { SBnewClick(); });
    on(SBopenFile, [this] { SBopenFileClick(); });
    on(SBsave, [this] { SBsaveClick(); });
    on(SaveAsSB, [this] { SaveAsSBClick(); });
    on(ProjectSB, [this] { ProjectSBClick(); });
    on(SBlocation, [this] { SBlocationClick(); });
    on(SimulateSB, [this] { SimulateSBClick(); });
    on(SBPrintPlan, [this] { SBPrintPlanClick(); });
    on(ReportButton, [this] { ReportButtonClick(); });
    on(SBZoneInfo, [this] { SBZoneInfoClick(); });
    connect(StarPanel, &TStarPanel::analysisRequested, this,
            platform::guarded(messages, [this] { AnalysisSBClick(); }));
    on(HelpButton, [this] { HelpButtonClick(); });
    on(SBeditButton, [this] { SBeditButtonClick(); });
    on(MagSB, [this] { MagSBClick(); });
    on(SnappSB, [this] { SnappSBClick(); });
    on(ModeSB, [this] { ModeSBClick(); });
    on(SBdefaults, [this] { SBdefaultsClick(); });
    on(ObsSB, [this] { ObsSBClick(); });
    on(ToolsSB, [this] { ToolsSBClick(); });
    on(ApplianceSB, [this] { ApplianceSBClick(); });
    on(WaterSB, [this] { WaterSBClick(); });
    on(WaterSourceSB, [this] { WaterSourceSBClick(); });
    on(EnergySourceSB, [this] { EnergySourceSBClick(); });
    on(WipeSB, [this] { WipeSBClick(); });
    on(BackgroundOnlySB, [this] { BackgroundOnlySBClick(); });
    on(HideBackgroundSB, [this] { HideBackgroundSBClick(); });
    on(UpperLevelSB, [this] { UpperLevelSBClick(); });
    on(LowerLevelSB, [this] { LowerLevelSBClick(); });
    for (int level = 1; level <= kMaxLevels; ++level)
        on(SBLevel[static_cast<std::size_t>(level)], [this, level] { SBLevelClick(level); });
    connect(ProjectLabel, &platform::ClickableLabel::clicked, this,
            platform::guarded(messages, [this] { ProjectSBClick(); }));
    connect(RunLabel, &platform::ClickableLabel::clicked, this,
            platform::guarded(messages, [this] { ProjectSBClick(); }));
    connect(LocationLabel, &platform::ClickableLabel::clicked, this,
            platform::guarded(messages, [this] { LocationLabelClick(); }));
    connect(PCLabel, &platform::ClickableLabel::clicked, this,
            platform::guarded(messages, [this] { PCLabelClick(); }));
    connect(PaintBox1, &PaintBox::mouseMoved, this, [this](QPoint p) { PaintBox1MouseMove(p); });
    connect(ScrollBox1->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { planScrolled(); });
    connect(ScrollBox1->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { planScrolled(); });
    // "Only Show Background" lasts while the pointer is over its button.
    BackgroundOnlySB->installEventFilter(this);
    connectPlanTools();
    connectLevelCommands();
}

// ---- Start-up ----------------------------------------------------------------------------------

void TMainForm::FormCreate(const std::filesystem::path& executableFolder) {
    executableFolder_ = executableFolder;
    const auto help = common::findCaseInsensitive(executableFolder, kHelpFile);
    if (auto* windowHelp = dynamic_cast<platform::WindowHelpService*>(&services_.help))
        windowHelp->setHelpFile(help ? *help : executableFolder / kHelpFile);
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The start-up runs once the window is on the screen, so that its boxes stand in front of it.
    if (!startedUp_) QTimer::singleShot(0, this, [this] { FormShow(); });
}

void TMainForm::runStartupStep(const std::function<void()>& step) {
    if (!step) return;
    try {
        step();
    } catch (...) {
        // A table that cannot be read stays empty; the rest of the start-up goes on.
        platform::showEscapedError(&services_.messages, std::current_exception());
    }
}

void TMainForm::FormShow() {
    if (startedUp_) return;
    startedUp_ = true;
    PlanScale& scale = workspace_.scale;
    // 1. Plan editor start values.
    scale.SnapStep = kStartSnapStep;
    scale.GridDivisions = kStartGridDivisions;
    scale.PictureScale = 1.0;
    model_.Magnification = kStartMagnification;
    scale.PlanVisible = true;
    // 2., 3. The program folder and the material database.
    model_.RootDir = std::filesystem::current_path().string();
    workspace_.Database1.SetAlias(MaterialDatabase::kAlias, std::filesystem::path(model_.RootDir) / "Data");
    // 4., 5.
    PositionFramesAndHelp();
    TopPanel->hide();
    SnapPanel->hide();
    EditPanel->hide(); // the plan tools show only in edit mode
    LevelsEditPanel->hide();
    LevelsPanel->hide();
    StarPanel->DelRecSB->hide();
    Panel3->hide();
    StarPanel->show();
    // 6. Factory level defaults and new-zone options.
    runStartupStep([this] { SetDefaultValues(model_, workspace_.tables); });
    RefreshProjectLine();
    // 7. Product libraries.
    runStartupStep([this] {
        ReadWindowLibrary(model_);
        CheckGenericWindowCodes(model_);
    });
    runStartupStep([this] { ReadSkylightLibrary(model_); });
    // 8. The nodes of every zone from its walls (none at start-up).
    for (int z = 1; z <= model_.ZoneCount; ++z)
        for (int n = 0; n < model_.Zones(z).NodeCount; ++n) model_.ZoneNodes(z, n) = model_.Walls(z, n).Start;
    // 9. Compass, locked.
    model_.NorthAngle = 0.0;
    CompassLocked = true;
    drawCompass();
    ChangeBearings();
    // 10. Levels.
    model_.CurrentLevel = 1;
    model_.LevelCount = 1;
    ShowLevelButtons();
    SBLevel[1]->setDown(true);
    // 11. Star bands.
    model_.DisplayZone = 1;
    runStartupStep(Readers.ReadStarBands);
    // 12. Rating history: the empty panel, then the newest kept rating when there is a history file.
    runStartupStep(Readers.ReadRatingHistory);
    // 13. Area correction.
    runStartupStep(Readers.ReadAreaCorrection);
    // 14. The six background-picture records.
    for (int level = 1; level <= kMaxLevels; ++level) {
        TLevelPictureRec& picture = model_.LevelPictures(level);
        picture.Bitmap = QImage();
        picture.OffsetX = 0;
        picture.OffsetY = 0;
        picture.ScalePos = 500.0; // picture scale 1.0
        picture.Present = false;
    }
    // 15. Outlines of the levels above and below switched on.
    UpperLevelSB->setDown(true);
    LowerLevelSB->setDown(true);
    // 16. Occupancy defaults.
    model_.UseDefaultGains = true;
    model_.UseDefaultSetpoints = true;

    // The file commands are usable once the house file's reader and writer are present.
    SBopenFile->setEnabled(static_cast<bool>(HouseFiles.Read));
    SBsave->setEnabled(static_cast<bool>(HouseFiles.Write));
    SaveAsSB->setEnabled(static_cast<bool>(HouseFiles.Write));

    ChangeScrollRange();
    ShowScaleLabels();
    resizeCanvas(ScrollBox1->viewport()->size(),
                 {ScrollBox1->horizontalScrollBar()->value(), ScrollBox1->verticalScrollBar()->value()});
    RestoreAll();
}

void TMainForm::PositionFramesAndHelp() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int desktop = screen ? screen->availableGeometry().width() : 1280;
    for (platform::Dialog* dialog : dialogs_) {
        const FramePlacement* frame = framePlacementOf(dialog->objectName().toStdString());
        if (!frame) continue;
        dialog->HelpContext = frame->helpTopic;
        dialog->adjustSize(); // its laid-out width, before it was ever shown
        if (const auto at = placeFrame(*frame, desktop, dialog->width(), pos())) dialog->move(*at);
    }
}

void TMainForm::RefreshProjectLine() {
    ProjectLabel->setText(q(model_.ProjectName));
    LocationLabel->setText(q(model_.LocationName));
    ClimateLabel->setText(q(model_.ClimateFileName));
    RunLabel->setText(model_.RunNumber == 0 ? QString() : QString::number(model_.RunNumber));
    PCLabel->setText(model_.Postcode == 0 ? QString() : QString::number(model_.Postcode));
}

// ---- Plan drawing ------------------------------------------------------------------------------

void TMainForm::resizeCanvas(QSize size, QPoint origin) {
    if (canvas_.size() != size) {
        canvas_ = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        canvas_.fill(Qt::white);
    }
    drawing_.setCanvas(&canvas_, origin);
    PaintBox1->setImageOrigin(origin);
}

void TMainForm::drawRulers() {
    if (rulerX_.size() != PaintBoxX->size())
        rulerX_ = QImage(PaintBoxX->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    if (rulerY_.size() != PaintBoxY->size())
        rulerY_ = QImage(PaintBoxY->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    const int range = ScrollRangeFor(model_.Magnification);
    RulerOffsetX = 3 - ScrollBox1->horizontalScrollBar()->value();
    DrawHorizontalRuler(rulerX_, RulerOffsetX, range, model_.Magnification, workspace_.scale.GridDivisions);
    RulerOffsetY = 3 - ScrollBox1->verticalScrollBar()->value();
    DrawVerticalRuler(rulerY_, RulerOffsetY, range, model_.Magnification, workspace_.scale.GridDivisions);
    DrawRulerMark(rulerX_, LastMousePoint.x() + RulerOffsetX, true);
    DrawRulerMark(rulerY_, LastMousePoint.y() + RulerOffsetY, false);
    PaintBoxX->update();
    PaintBoxY->update();
}

void TMainForm::PaintBox1Paint() {
    drawing_.DrawGrid();
    drawRulers();
    if (workspace_.scale.PlanVisible) drawing_.DrawAllOnCurrentLevel(EditMode);
    if (UpperLevelSB->isDown()) drawing_.UpperLevelOutline();
    if (LowerLevelSB->isDown()) drawing_.LowerLevelOutline();
    planEditor_->DrawWork();
    PaintBox1->update();
}

void TMainForm::BlankBackground() {
    drawing_.Blank();
    PaintBox1Paint();
}

void TMainForm::RestoreAll() {
    drawing_.Blank();
    // The level's picture lies under the plan, which is drawn over it in the inverting mode.
    if (!BackgroundImage->isHidden()) showLevelPicture();
    PaintBox1Paint();
}

void TMainForm::showLevelPicture() {
    const TLevelPictureRec& picture = model_.LevelPictures(model_.CurrentLevel);
    const QImage* image = PictureBitmap(picture);
    if (!picture.Present || !image) return;
    QPainter painter(&canvas_);
    painter.translate(-drawing_.origin());
    painter.drawImage(PictureRect(picture, model_.Magnification), *image);
}

void TMainForm::ShowPic(int level) {
    const TLevelPictureRec& picture = model_.LevelPictures(level);
    if (!picture.Present) {
        BlankBackground();
        return;
    }
    workspace_.scale.PictureScale = picture.ScalePos / 500.0;
    if (Dialogs.PicImportForm) Dialogs.PicImportForm->ShowLevel(level);
    BackgroundImage->setVisible(true);
    RestoreAll();
}

void TMainForm::DrawAllOnCurrentLevel() {
    drawing_.DrawAllOnCurrentLevel(EditMode);
    PaintBox1->update();
}

void TMainForm::DeselectAll() {
    pelmora::DeselectAll(model_, workspace_.selection);
}

void TMainForm::DeselectAndDrawAllNodes(int level) {
    drawing_.DrawAllNodesOnLevel(level);
    DeselectAll();
    drawing_.DrawAllNodesOnLevel(level);
    PaintBox1->update();
}

void TMainForm::planScrolled() {
    resizeCanvas(ScrollBox1->viewport()->size(),
                 {ScrollBox1->horizontalScrollBar()->value(), ScrollBox1->verticalScrollBar()->value()});
    RestoreAll();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ScrollBox1->viewport() && event->type() == QEvent::Resize && startedUp_) planScrolled();
    if (watched == BackgroundOnlySB && event->type() == QEvent::Leave) workspace_.scale.PlanVisible = true;
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::moveRulerMarks(QPoint position) {
    DrawRulerMark(rulerX_, LastMousePoint.x() + RulerOffsetX, true);
    DrawRulerMark(rulerY_, LastMousePoint.y() + RulerOffsetY, false);
    DrawRulerMark(rulerX_, position.x() + RulerOffsetX, true);
    DrawRulerMark(rulerY_, position.y() + RulerOffsetY, false);
    PaintBoxX->update();
    PaintBoxY->update();
}

void TMainForm::PaintBox1MouseMove(QPoint position) {
    moveRulerMarks(position);
    const auto metres = [this](int px) {
        return QString::number(PixelsToMetres(px, model_.Magnification), 'f', 2);
    };
    StatusBar1->setPanelText(1, q(MouseInZRegion(model_, position.x(), position.y())));
    StatusBar1->setPanelText(3, "X  " + metres(position.x()) + "  Y  " + metres(position.y()));
    planEditor_->MouseMove({position.x(), position.y()});
    PaintBox1->update();
    LastMousePoint = position;
}

// ---- Scale -------------------------------------------------------------------------------------

void TMainForm::ChangeMagnitude(int index) {
    ChangeMagnitudeFrom(index, workspace_.scale.SnapStep, false);
}

void TMainForm::ChangeMagnitudeFrom(int index, int snapBase, bool refreshScreen) {
    const double old = model_.Magnification;
    // The points of an open outline are not yet the model's and would not be rescaled.
    planEditor_->StopDrawing();
    RescalePlan(model_, workspace_.scale, index, snapBase);
    if (Dialogs.PicImportForm) Dialogs.PicImportForm->ShowMagnification();
    ChangeScrollRange();
    // Keep the same part of the house in view.
    auto* h = ScrollBox1->horizontalScrollBar();
    auto* v = ScrollBox1->verticalScrollBar();
    h->setValue(static_cast<int>(h->value() * model_.Magnification / old));
    v->setValue(static_cast<int>(v->value() * model_.Magnification / old));
    if (refreshScreen)
        WipeSBClick();
    else
        RestoreAll();
    ShowScaleLabels();
}

void TMainForm::ChangeScrollRange() {
    const int range = ScrollRangeFor(model_.Magnification);
    Panel1->resize(range, range);
    PaintBox1->setGeometry(0, 0, range, range);
}

void TMainForm::ShowScaleLabels() {
    ScaleLabel->setText(q(ScaleLabelText(model_.Magnification)));
    SnapLabel->setText(q(SnapLabelText(model_.Magnification, workspace_.scale.SnapStep)));
}

// ---- Levels and compass ------------------------------------------------------------------------

void TMainForm::ShowLevelButtons() {
    for (int level = 1; level <= kMaxLevels; ++level)
        SBLevel[static_cast<std::size_t>(level)]->setVisible(level <= model_.LevelCount);
}

void TMainForm::ResetLevelButtons() {
    DeselectAll();
    levelGroup_->setAllUp();
}

void TMainForm::SBLevelClick(int level) {
    planEditor_->StopDrawing(); // an open outline belongs to the level it was begun on
    ResetLevelButtons();
    SBLevel[static_cast<std::size_t>(level)]->setDown(true);
    model_.CurrentLevel = level;
    if (Dialogs.PicImportForm) Dialogs.PicImportForm->ShowLevel(level);
    RestoreAll();
}

void TMainForm::UpperLevelSBClick() {
    drawing_.UpperLevelOutline();
    PaintBox1->update();
}

void TMainForm::LowerLevelSBClick() {
    drawing_.LowerLevelOutline();
    PaintBox1->update();
}

void TMainForm::drawCompass() {
    imgCompassFace->setPixmap(
        QPixmap::fromImage(pelmora::drawCompass(imgCompassFace->size(), model_.NorthAngle, CompassLocked)));
}

void TMainForm::ChangeBearings() {
    const Bearings b = bearingsFor(model_.NorthAngle);
    lbBearingTop->setText(QString::number(b.Top) + "°");
    NorthEB->setText(QString::number(b.Top));
    lbBearingRight->setText(QString::number(b.Right));
    lbBearingBottom->setText(QString::number(b.Bottom));
    lbBearingLeft->setText(QString::number(b.Left));
}

// ---- The plan as the model's plan computations see it ------------------------------------------

void TMainForm::Beep() {
    QApplication::beep();
}

void TMainForm::ShowStatus(const std::string& text) {
    StatusBar1->setPanelText(0, q(text));
}

void TMainForm::NodeDestroyed(int zone, int node) {
    MoveSelectionOfLaterNodes(model_, workspace_.selection, zone, node);
}

void TMainForm::ZoneDiscarded(int zone) {
    planEditor_->ZoneDiscarded(zone);
    MoveSelectionOfLaterZones(model_, workspace_.selection, zone);
}

void TMainForm::ToggleLevelOutlines() {
    if (LowerLevelSB->isDown()) LowerLevelSBClick();
    if (UpperLevelSB->isDown()) UpperLevelSBClick();
}

void TMainForm::ShowLevelOne() {
    ResetLevelButtons();
    SBLevel[1]->setDown(true);
    model_.CurrentLevel = 1;
    ShowLevelButtons();
    // The plan computation draws level 1 and the outlines of its neighbours next, in the inverting
    // mode: the plan is left with the grid and the level's picture only.
    drawing_.Blank();
    if (!BackgroundImage->isHidden()) showLevelPicture();
    drawing_.DrawGrid();
    drawRulers();
    PaintBox1->update();
}

// ---- Commands ----------------------------------------------------------------------------------

void TMainForm::SBeditButtonClick() {
    EditMode = !EditMode;
    SBeditButton->setDown(EditMode);
    SnapPanel->setVisible(EditMode);
    EditPanel->setVisible(EditMode);
    LevelsEditPanel->setVisible(EditMode);
    drawing_.DrawAllNodesOnLevel(model_.CurrentLevel);
    PaintBox1->update();
}

void TMainForm::BackgroundOnlySBClick() {
    workspace_.scale.PlanVisible = false;
    if (model_.LevelPictures(model_.CurrentLevel).Present) BackgroundImage->setVisible(true);
    RestoreAll();
    // The repaint drew the outlines of the levels above and below; drawn once more they go too.
    if (UpperLevelSB->isDown()) drawing_.UpperLevelOutline();
    if (LowerLevelSB->isDown()) drawing_.LowerLevelOutline();
    PaintBox1->update();
}

void TMainForm::WipeSBClick() {
    workspace_.scale.PlanVisible = true;
    for (int z = model_.ZoneCount; z >= 1; --z)
        if (model_.Zones(z).FloorArea == 0) DiscardZone(z);
    if (model_.LevelPictures(model_.CurrentLevel).Present) BackgroundImage->setVisible(true);
    RestoreAll();
}

void TMainForm::HideBackgroundSBClick() {
    workspace_.scale.PlanVisible = true;
    BackgroundImage->setVisible(false);
    BlankBackground();
}

void TMainForm::ProjectSBClick() {
    if (!Dialogs.ProjectDetailsForm) return;
    Dialogs.ProjectDetailsForm->exec();
    // Whatever the dialog did, the results no longer count as current.
    model_.ResultsCurrent = false;
}

void TMainForm::MagSBClick() {
    // The open points of an outline or internal wall being drawn would not be rescaled.
    if (planEditor_->Drawing()) {
        Beep();
        ShowStatus(std::string(plan_editor_text::kFinishDrawingFirst));
        return;
    }
    if (Dialogs.MagForm) Dialogs.MagForm->exec();
}

void TMainForm::SnappSBClick() {
    if (Dialogs.SnapForm) Dialogs.SnapForm->exec();
}

void TMainForm::SBPrintPlanClick() {
    services_.printing.printImage(grab().toImage(), true);
}

void TMainForm::HelpButtonClick() {
    services_.help.showTopic(kHelpTopic);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    bool mayClose = true;
    try {
        mayClose = FormCloseQuery();
    } catch (...) {
        platform::showEscapedError(&services_.messages, std::current_exception());
        mayClose = false; // a save that failed keeps the window open, so nothing is lost
    }
    if (mayClose)
        event->accept();
    else
        event->ignore();
}

} // namespace pelmora
