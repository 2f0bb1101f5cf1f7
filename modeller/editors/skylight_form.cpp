#include "modeller/editors/skylight_form.h"

#include "modeller/platform/message_service.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace pelmora {

namespace {

namespace t = skylight_text;

QStringList SizeItems() {
    return {"600", "900", "1200", "1500", "1800", "2100", "2400", "2700"};
}

QPoint Point(const PixelPoint& p) {
    return {p.X, p.Y};
}

// Where orientation button k (plan direction 45 k degrees, 0 up the plan) stands in a 3 x 3 grid.
constexpr std::array<std::array<int, 2>, 8> kOrientationCells = {
    {{0, 1}, {0, 2}, {1, 2}, {2, 2}, {2, 1}, {2, 0}, {1, 0}, {0, 0}}};

QFrame* Panel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panel;
}

QLineEdit* ReadOnlyBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    return box;
}

// A picture with its caption and its row's description.
void AddPictureRow(QGridLayout* grid, int row, const char* caption, PicturePanel* picture, QLabel* text,
                   QWidget* parent) {
    grid->addWidget(new QLabel(caption, parent), row, 0);
    grid->addWidget(picture, row, 1);
    text->setWordWrap(true);
    grid->addWidget(text, row, 2);
    grid->setColumnStretch(2, 1);
}

// Lays the items of a preset group out in two columns, so that the dialog stays short.
void InTwoColumns(platform::RadioGroup* group) {
    delete group->layout();
    auto* grid = new QGridLayout(group);
    const int rows = (group->count() + 1) / 2;
    for (int i = 0; i < group->count(); ++i) grid->addWidget(group->item(i), i % rows, i / rows);
}

void ShowDescription(QLabel* label, const TableCursor& cursor) {
    if (cursor.Active()) label->setText(q(cursor.Text("Material Description")));
}

} // namespace

// ---- The slope panel's paint box ----------------------------------------------------------------------

TiltBox::TiltBox(const TiltDrawing& drawing, QWidget* parent) : QWidget(parent), drawing_(drawing) {
    setFixedSize(kWidth, kHeight);
    setMouseTracking(false);
    setCursor(Qt::CrossCursor);
}

void TiltBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (!drawing_.Drawn) return;
    const QColor teal(0, 128, 128);
    painter.setPen(QPen(teal, 1));
    painter.setBrush(teal);
    const auto corners = drawing_.Triangle();
    painter.drawPolygon(QPolygon({Point(corners[0]), Point(corners[1]), Point(corners[2])}));
    painter.setPen(QPen(Qt::blue, 2));
    painter.drawLine(Point(TiltDrawing::kFoot), Point(drawing_.End()));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    const QPoint topLeft = Point(drawing_.BoxTopLeft());
    const QPoint bottomRight = Point(drawing_.BoxBottomRight());
    painter.drawRect(QRect(topLeft, bottomRight));
}

void TiltBox::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit mouseDown(p.x(), p.y());
}

void TiltBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit mouseMove(p.x(), p.y());
}

void TiltBox::mouseReleaseEvent(QMouseEvent*) {
    emit mouseUp();
}

// ---- The dialog --------------------------------------------------------------------------------------

TSkylightForm::TSkylightForm(EditorContext& context, platform::Services& services, QWidget* parent)
    : ElementEditorForm(editor_, services, "SkylightForm", t::kChangeAllHint, parent), editor_(context) {
    setWindowTitle(platform::Utf8(t::kDesignCaption));

    auto* left = new QVBoxLayout;
    left->addWidget(numberPanel());
    left->addWidget(productPanels());
    left->addWidget(sizePanels());
    left->addStretch(1);
    PaintBox1 = new ElevationBox(editor_.PaintBox1, this);
    PaintBox1->setFixedSize(editor_.PaintBox1.Width, editor_.PaintBox1.Height);
    auto* right = new QVBoxLayout;
    right->addWidget(slopeAndOrientation());
    right->addWidget(figurePanel());
    right->addWidget(PaintBox1);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttonRow());

    bindControls();
    editor_.setView(this);
}

QWidget* TSkylightForm::numberPanel() {
    NumPanel = Panel(this);
    auto* row = new QHBoxLayout(NumPanel);
    for (int k = 1; k <= kMaxSkylights; ++k) {
        auto* b = new platform::SpeedButton(QString::number(k), QString("Skylight %1").arg(k), NumPanel);
        b->setObjectName(QString("SB%1").arg(k));
        b->setCheckable(true);
        NumberButtons[static_cast<std::size_t>(k - 1)] = b;
        row->addWidget(b);
    }
    SBAdd = new platform::SpeedButton("+", platform::Utf8(t::kAddHint), NumPanel);
    SBDelete = new platform::SpeedButton("Delete", platform::Utf8(t::kDeleteHint), NumPanel);
    row->addWidget(SBAdd);
    row->addWidget(SBDelete);
    row->addStretch(1);
    row->addWidget(new QLabel("Total Area", NumPanel));
    TotalAreaLabel = new QLabel(NumPanel);
    TotalAreaLabel->setMinimumWidth(70);
    row->addWidget(TotalAreaLabel);

    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(NumPanel);
    auto* checks = new QHBoxLayout;
    RoofWindowCB = new QCheckBox(platform::Utf8(t::kClerestoryCaption), this);
    DiffuserCB = new QCheckBox(platform::Utf8(t::kDiffuserCaption), this);
    VentedCB = new QCheckBox(platform::Utf8(t::kVentedCaption), this);
    VentedCB->setVisible(false);
    checks->addWidget(RoofWindowCB);
    checks->addWidget(DiffuserCB);
    checks->addWidget(VentedCB);
    checks->addStretch(1);
    layout->addLayout(checks);
    return box;
}

QWidget* TSkylightForm::productPanels() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    SkylightPanel = Panel(this);
    auto* sky = new QGridLayout(SkylightPanel);
    dbmaterialpicture = new PicturePanel(kPictureWidth, kPictureHeight, SkylightPanel);
    DBSkyFrame = new PicturePanel(kPictureWidth, kPictureHeight, SkylightPanel);
    DBTypeText = new QLabel(SkylightPanel);
    DBSkyFrameText = new QLabel(SkylightPanel);
    AddPictureRow(sky, 0, "Type", dbmaterialpicture, DBTypeText, SkylightPanel);
    AddPictureRow(sky, 1, "Frame", DBSkyFrame, DBSkyFrameText, SkylightPanel);
    layout->addWidget(SkylightPanel);

    PageControl1 = new QTabWidget(this);
    TabSheet1 = new QWidget(PageControl1);
    auto* generic = new QGridLayout(TabSheet1);
    dbglasspic = new PicturePanel(kPictureWidth, kPictureHeight, TabSheet1);
    dbframepic = new PicturePanel(kPictureWidth, kPictureHeight, TabSheet1);
    DBGlassText = new QLabel(TabSheet1);
    DBFrameText = new QLabel(TabSheet1);
    AddPictureRow(generic, 0, "Glass", dbglasspic, DBGlassText, TabSheet1);
    AddPictureRow(generic, 1, "Frame", dbframepic, DBFrameText, TabSheet1);
    TabSheet2 = new QWidget(PageControl1);
    auto* custom = new QGridLayout(TabSheet2);
    WindowNameEB = ReadOnlyBox(TabSheet2);
    BrandEB = ReadOnlyBox(TabSheet2);
    GlassEB = ReadOnlyBox(TabSheet2);
    FrameEB = ReadOnlyBox(TabSheet2);
    const std::pair<const char*, QLineEdit*> boxes[] = {
        {"Product", WindowNameEB}, {"Brand", BrandEB}, {"Glass", GlassEB}, {"Frame", FrameEB}};
    int row = 0;
    for (const auto& [caption, edit] : boxes) {
        custom->addWidget(new QLabel(caption, TabSheet2), row, 0);
        custom->addWidget(edit, row++, 1);
    }
    pbfind = new platform::SpeedButton(platform::Utf8(t::kFindHint), platform::Utf8(t::kFindHint), TabSheet2);
    custom->addWidget(pbfind, row, 1, Qt::AlignLeft);
    PageControl1->addTab(TabSheet1, platform::Utf8(t::kGenericPage));
    PageControl1->addTab(TabSheet2, platform::Utf8(t::kCustomPage));
    layout->addWidget(PageControl1);

    StylePanel = Panel(this);
    auto* style = new QGridLayout(StylePanel);
    dbstylepic = new PicturePanel(kPictureWidth, kPictureHeight, StylePanel);
    DBStyleText = new QLabel(StylePanel);
    AddPictureRow(style, 0, "Style", dbstylepic, DBStyleText, StylePanel);
    CoveringPanel = Panel(this);
    auto* covering = new QGridLayout(CoveringPanel);
    DBImage1 = new PicturePanel(kPictureWidth, kPictureHeight, CoveringPanel);
    DBFurnishingText = new QLabel(CoveringPanel);
    AddPictureRow(covering, 0, "Furnishing", DBImage1, DBFurnishingText, CoveringPanel);
    auto* window = new QHBoxLayout;
    window->addWidget(StylePanel);
    window->addWidget(CoveringPanel);
    layout->addLayout(window);
    return box;
}

QWidget* TSkylightForm::sizePanels() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* sizes = new QGridLayout;
    HEdit = new platform::EditBox(this);
    WEdit = new platform::EditBox(this);
    HeightRG = new platform::RadioGroup("Height  mm", SizeItems(), this);
    WidthRG = new platform::RadioGroup("Width  mm", SizeItems(), this);
    InTwoColumns(HeightRG);
    InTwoColumns(WidthRG);
    sizes->addWidget(HEdit, 0, 0);
    sizes->addWidget(HeightRG, 1, 0);
    sizes->addWidget(WEdit, 0, 1);
    sizes->addWidget(WidthRG, 1, 1);
    layout->addLayout(sizes);

    DimPanel = new QGroupBox("Clerestory wall  mm", this);
    auto* dims = new QGridLayout(DimPanel);
    WWEdit = new platform::EditBox(DimPanel);
    WHEdit = new platform::EditBox(DimPanel);
    EWEdit = new platform::EditBox(DimPanel);
    EOEdit = new platform::EditBox(DimPanel);
    const std::pair<const char*, platform::EditBox*> walls[] = {
        {"Wall W", WWEdit}, {"Wall H", WHEdit}, {"Eaves W", EWEdit}, {"Eaves O", EOEdit}};
    int column = 0;
    for (const auto& [caption, edit] : walls) {
        dims->addWidget(new QLabel(caption, DimPanel), 0, column);
        dims->addWidget(edit, 1, column++);
    }
    layout->addWidget(DimPanel);

    ShaftPanel = new QGroupBox(platform::Utf8(t::kShaftCaption), this);
    auto* shaft = new QGridLayout(ShaftPanel);
    LengthSE = new QSpinBox(ShaftPanel);
    LengthSE->setRange(0, kMaxShaftLength);
    LengthSE->setSingleStep(kShaftLengthStep);
    ReflSE = new QSpinBox(ShaftPanel);
    ReflSE->setRange(kMinShaftReflectance, kMaxShaftReflectance);
    ReflSE->setSingleStep(kShaftReflectanceStep);
    Rscroll = new QScrollBar(Qt::Horizontal, ShaftPanel);
    Rscroll->setRange(0, kMaxShaftRscroll);
    Rscroll->setPageStep(10);
    RLabel = new QLabel(ShaftPanel);
    RLabel->setMinimumWidth(40);
    shaft->addWidget(new QLabel("Length  mm", ShaftPanel), 0, 0);
    shaft->addWidget(LengthSE, 0, 1);
    shaft->addWidget(new QLabel("Reflectance  %", ShaftPanel), 0, 2);
    shaft->addWidget(ReflSE, 0, 3);
    shaft->addWidget(new QLabel("R", ShaftPanel), 1, 0);
    shaft->addWidget(Rscroll, 1, 1, 1, 2);
    shaft->addWidget(RLabel, 1, 3);
    layout->addWidget(ShaftPanel);

    OpeningPanel = Panel(this);
    ShadePanel = Panel(this);
    const QStringList percentages = {"None", "20%", "40%", "60%", "80%", "100%"};
    OpeningRG = new platform::RadioGroup("Opening", percentages, OpeningPanel);
    ShadingRG = new platform::RadioGroup("Shading", percentages, ShadePanel);
    (new QVBoxLayout(OpeningPanel))->addWidget(OpeningRG);
    (new QVBoxLayout(ShadePanel))->addWidget(ShadingRG);
    OpeningPanel->setVisible(false);
    ShadePanel->setVisible(false);
    return box;
}

QWidget* TSkylightForm::slopeAndOrientation() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    PanelTilt = new QGroupBox("Slope", this);
    auto* tilt = new QVBoxLayout(PanelTilt);
    PaintBoxTilt = new TiltBox(editor_.PaintBoxTilt, PanelTilt);
    AngleEdit = new platform::EditBox(PanelTilt);
    tilt->addWidget(PaintBoxTilt);
    auto* angle = new QHBoxLayout;
    angle->addWidget(AngleEdit);
    angle->addWidget(new QLabel("degrees", PanelTilt));
    tilt->addLayout(angle);
    layout->addWidget(PanelTilt);

    OrientPanel = new QGroupBox("Orientation", this);
    auto* grid = new QGridLayout(OrientPanel);
    for (int k = 0; k < 8; ++k) {
        auto* b = new platform::SpeedButton("", "Orientation", OrientPanel);
        b->setObjectName(QString("SpeedButton%1").arg(k));
        b->setCheckable(true);
        b->setMinimumWidth(44);
        OrientationButtons[static_cast<std::size_t>(k)] = b;
        const auto cell = kOrientationCells[static_cast<std::size_t>(k)];
        grid->addWidget(b, cell[0], cell[1]);
    }
    layout->addWidget(OrientPanel);
    return box;
}

QWidget* TSkylightForm::figurePanel() {
    auto* box = Panel(this);
    auto* layout = new QVBoxLayout(box);
    // The figures read as one block of lines, so the slope, orientation and drawing fit beside the
    // inputs.
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(0);
    NameEB = new QLabel(box);
    AreaLabel = new QLabel(box);
    GrossWallAreaLabel = new QLabel(box);
    NettWallAreaLabel = new QLabel(box);
    RtLabel = new QLabel(box);
    UALabel = new QLabel(box);
    RgLabel = new QLabel(box);
    RfLabel = new QLabel(box);
    RfurnLl = new QLabel(box);
    SHGCLabel = new QLabel(box);
    OpeningLl = new QLabel(box);
    for (QLabel* label : {NameEB, AreaLabel, GrossWallAreaLabel, NettWallAreaLabel, RtLabel, UALabel, RgLabel,
                          RfLabel, RfurnLl, SHGCLabel, OpeningLl}) {
        label->setTextFormat(Qt::PlainText);
        layout->addWidget(label);
    }
    return box;
}

void TSkylightForm::bindControls() {
    SkylightEditor& e = editor_;
    for (int k = 1; k <= kMaxSkylights; ++k)
        connect(NumberButtons[static_cast<std::size_t>(k - 1)], &QToolButton::clicked, this,
                [this, &e, k] { run([&e, k] { e.NumberButtonClick(k); }); });
    connect(SBAdd, &QToolButton::clicked, this, [this, &e] { run([&e] { e.SBAddClick(); }); });
    connect(SBDelete, &QToolButton::clicked, this, [this, &e] { run([&e] { e.SBDeleteClick(); }); });
    for (int k = 0; k < 8; ++k)
        connect(OrientationButtons[static_cast<std::size_t>(k)], &QToolButton::clicked, this,
                [this, &e, k] { run([&e, k] { e.OrientationButtonClick(k); }); });
    connect(RoofWindowCB, &QCheckBox::clicked, this,
            [this, &e](bool checked) { run([&e, checked] { e.RoofWindowCBClick(checked); }); });
    connect(DiffuserCB, &QCheckBox::clicked, this,
            [this, &e](bool checked) { run([&e, checked] { e.DiffuserCBClick(checked); }); });
    connect(VentedCB, &QCheckBox::clicked, this,
            [this, &e](bool checked) { run([&e, checked] { e.VentedCBClick(checked); }); });
    bindEdit(HEdit, e.HEdit);
    bindEdit(WEdit, e.WEdit);
    bindEdit(WWEdit, e.WWEdit);
    bindEdit(WHEdit, e.WHEdit);
    bindEdit(EWEdit, e.EWEdit);
    bindEdit(EOEdit, e.EOEdit);
    bindEdit(AngleEdit, e.AngleEdit);
    bindRadio(HeightRG, e.HeightRG);
    bindRadio(WidthRG, e.WidthRG);
    bindRadio(OpeningRG, e.OpeningRG);
    bindRadio(ShadingRG, e.ShadingRG);
    connect(LengthSE, &QSpinBox::valueChanged, this,
            [this, &e](int value) { run([&e, value] { e.LengthSEChange(value); }); });
    connect(ReflSE, &QSpinBox::valueChanged, this,
            [this, &e](int value) { run([&e, value] { e.ReflSEChange(value); }); });
    connect(Rscroll, &QScrollBar::valueChanged, this,
            [this, &e](int position) { run([&e, position] { e.RscrollChange(position); }); });
    connect(PaintBoxTilt, &TiltBox::mouseDown, this,
            [this, &e](int x, int y) { run([&e, x, y] { e.PaintBoxTiltMouseDown(x, y); }); });
    connect(PaintBoxTilt, &TiltBox::mouseMove, this,
            [this, &e](int x, int y) { run([&e, x, y] { e.PaintBoxTiltMouseMove(x, y); }); });
    connect(PaintBoxTilt, &TiltBox::mouseUp, this, [this, &e] { run([&e] { e.PaintBoxTiltMouseUp(); }); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this, &e](int index) {
        const auto page = index == 0 ? SkylightEditor::Page::Generic : SkylightEditor::Page::Custom;
        run([&e, page] { e.PageControl1Change(page); });
    });
    connect(pbfind, &QToolButton::clicked, this, [this, &e] { run([&e] { e.pbfindClick(); }); });
    const std::pair<PicturePanel*, void (SkylightEditor::*)(const PictureAnchor&)> pictures[] = {
        {dbmaterialpicture, &SkylightEditor::dbmaterialpictureClick},
        {DBSkyFrame, &SkylightEditor::DBSkyFrameClick},
        {dbglasspic, &SkylightEditor::dbglasspicClick},
        {dbframepic, &SkylightEditor::dbframepicClick},
        {dbstylepic, &SkylightEditor::dbstylepicClick},
        {DBImage1, &SkylightEditor::DBImage1Click}};
    for (const auto& pictureHandler : pictures) {
        // Plain variables, not a structured binding: clang 14 lets no lambda capture a binding.
        const auto picture = pictureHandler.first;
        const auto handler = pictureHandler.second;
        connect(picture, &PicturePanel::clicked, this, [this, &e, picture, handler] {
            run([&e, picture, handler] { (e.*handler)(picture->anchor()); });
        });
    }
}

void TSkylightForm::done(int result) {
    ElementEditorForm::done(result);
    sizedHeight_ = 0; // the next opening takes its mode's height again
}

void TSkylightForm::refreshControls() {
    const SkylightEditor& e = editor_;
    CancelSB->setVisible(e.CancelSBVisible);
    ResetButton->setVisible(e.ResetButtonVisible);

    NumPanel->setVisible(e.NumPanelVisible);
    const int count = e.NumberButtonCount();
    for (int k = 1; k <= kMaxSkylights; ++k) {
        platform::SpeedButton* b = NumberButtons[static_cast<std::size_t>(k - 1)];
        b->setVisible(k <= count);
        b->setDown(k == e.CurrentSkylight);
    }
    TotalAreaLabel->setText(q(e.TotalAreaLabel));
    for (auto [box, checked] : {std::pair{RoofWindowCB, e.RoofWindowCB}, std::pair{DiffuserCB, e.DiffuserCB},
                                std::pair{VentedCB, e.VentedCB}}) {
        const QSignalBlocker blocker(box);
        box->setChecked(checked);
    }

    SkylightPanel->setVisible(e.SkylightPanelVisible);
    dbmaterialpicture->showRow(e.materialstable);
    DBSkyFrame->showRow(e.SkyFrameTable);
    ShowDescription(DBTypeText, e.materialstable);
    ShowDescription(DBSkyFrameText, e.SkyFrameTable);
    PageControl1->setVisible(e.PageControl1Visible);
    {
        const QSignalBlocker blocker(PageControl1);
        PageControl1->setCurrentIndex(e.ActivePage == SkylightEditor::Page::Generic ? 0 : 1);
    }
    dbglasspic->showRow(e.glasstable);
    dbframepic->showRow(e.frametable);
    ShowDescription(DBGlassText, e.glasstable);
    ShowDescription(DBFrameText, e.frametable);
    const GlazingFigures& f = e.Figures;
    WindowNameEB->setText(q(f.WindowNameEB));
    BrandEB->setText(q(f.BrandEB));
    GlassEB->setText(q(f.GlassEB));
    FrameEB->setText(q(f.FrameEB));
    pbfind->setVisible(e.pbfindVisible);
    pbfind->setEnabled(static_cast<bool>(e.CustWinForm));
    StylePanel->setVisible(e.StylePanelVisible);
    CoveringPanel->setVisible(e.CoveringPanelVisible);
    dbstylepic->showRow(e.styletable);
    DBImage1->showRow(e.furnishingstable);
    ShowDescription(DBStyleText, e.styletable);
    ShowDescription(DBFurnishingText, e.furnishingstable);

    showEdit(HEdit, e.HEdit);
    showEdit(WEdit, e.WEdit);
    showRadio(HeightRG, e.HeightRG);
    showRadio(WidthRG, e.WidthRG);
    DimPanel->setVisible(e.DimPanelVisible);
    showEdit(WWEdit, e.WWEdit);
    showEdit(WHEdit, e.WHEdit);
    showEdit(EWEdit, e.EWEdit);
    showEdit(EOEdit, e.EOEdit);
    ShaftPanel->setVisible(e.ShaftPanelVisible);
    for (auto [spin, value] : {std::pair{LengthSE, e.LengthSE}, std::pair{ReflSE, e.ReflSE}}) {
        const QSignalBlocker blocker(spin);
        spin->setValue(value);
    }
    {
        const QSignalBlocker blocker(Rscroll);
        Rscroll->setValue(e.Rscroll);
    }
    RLabel->setText(q(e.RLabel));
    showRadio(OpeningRG, e.OpeningRG);
    showRadio(ShadingRG, e.ShadingRG);

    PanelTilt->setVisible(e.PanelTiltVisible);
    showEdit(AngleEdit, e.AngleEdit);
    PaintBoxTilt->update();
    OrientPanel->setVisible(e.OrientPanelVisible);
    for (int k = 0; k < 8; ++k) {
        platform::SpeedButton* b = OrientationButtons[static_cast<std::size_t>(k)];
        b->setText(q(e.OrientationCaptions[static_cast<std::size_t>(k)]));
        b->setDown(k == e.OrientationDown);
    }

    NameEB->setText(q(f.NameEB));
    AreaLabel->setText(q(f.AreaLabel));
    GrossWallAreaLabel->setText(q(f.GrossWallAreaLabel));
    NettWallAreaLabel->setText(q(f.NettWallAreaLabel));
    GrossWallAreaLabel->setVisible(e.RoofWindowCB);
    NettWallAreaLabel->setVisible(e.RoofWindowCB);
    RtLabel->setText(q(f.RtLabel));
    UALabel->setText(q(f.UALabel));
    RgLabel->setText(q(f.RgLabel));
    RfLabel->setText(q(f.RfLabel));
    RfurnLl->setText(q(f.RfurnLl));
    SHGCLabel->setText(q(f.SHGCLabel));
    OpeningLl->setText(q(f.OpeningLl));
    OpeningLl->setVisible(e.RoofWindowCB);
    PaintBox1->update();

    // A zone's skylights and the level's default each open at their own height; a layout that needs
    // more keeps what it needs.
    const int height = e.NumPanelVisible ? kSkylightFormHeight : kDefaultSkylightFormHeight;
    if (height == sizedHeight_) return;
    // The least height follows the panels just shown or hidden, even before the first show, when
    // the layouts still hold the sizes of what the panels showed before.
    for (QWidget* child : findChildren<QWidget*>()) child->updateGeometry();
    layout()->invalidate();
    layout()->activate();
    resize(width(), std::max(height, minimumSizeHint().height()));
    sizedHeight_ = height;
}

} // namespace pelmora
