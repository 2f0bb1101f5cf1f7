#include "modeller/editors/glazing_form.h"

#include "modeller/platform/message_service.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace pelmora {

namespace {

const QStringList kSizeItems = {"600", "900", "1200", "1500", "1800", "2100", "2400", "2700"};
const QStringList kOffsetItems = {"-300", "-150", "0", "150", "300", "450", "600", "750"};
constexpr std::int32_t kNavy = 0x800000; // 0x00BBGGRR
constexpr int kEavesMargin = 10;         // px

QLineEdit* ReadOnlyBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    return box;
}

} // namespace

GlazingPreviewBox::GlazingPreviewBox(const GlazingEditor& editor, QWidget* parent)
    : ElevationBox(editor.PaintBox1, parent), editor_(editor) {}

void GlazingPreviewBox::paintEvent(QPaintEvent* event) {
    ElevationBox::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(ColourOf(kNavy), 2));
    painter.drawLine(kEavesMargin, editor_.EavesLineY, width() - kEavesMargin, editor_.EavesLineY);
}

TGlazingForm::TGlazingForm(EditorContext& context, platform::Services& services, QWidget* parent)
    : ElementEditorForm(editor_, services, "GlazingForm", glazing_text::kChangeAllHint, parent),
      editor_(context) {
    setWindowTitle(platform::Utf8(glazing_text::kDesignCaption));
    GlazingEditor& e = editor_;

    // The glazing: generic glass and frame, or a library product.
    PageControl1 = new QTabWidget(this);
    TabSheet1 = new QWidget;
    TabSheet2 = new QWidget;
    PageControl1->addTab(TabSheet1, "Generic");
    PageControl1->addTab(TabSheet2, "Custom Windows");
    const auto picture = [](QWidget* parent, PicturePanel*& pic, QLabel*& text) {
        pic = new PicturePanel(kPictureWidth, kPictureHeight, parent);
        text = new QLabel(parent);
        text->setWordWrap(true);
        text->setMinimumWidth(150);
    };
    picture(TabSheet1, dbglasspic, glassText);
    picture(TabSheet1, dbframepic, frameText);
    auto* generic = new QGridLayout(TabSheet1);
    generic->addWidget(new QLabel("Glass", TabSheet1), 0, 0);
    generic->addWidget(dbglasspic, 0, 1);
    generic->addWidget(glassText, 0, 2);
    generic->addWidget(new QLabel("Frame", TabSheet1), 1, 0);
    generic->addWidget(dbframepic, 1, 1);
    generic->addWidget(frameText, 1, 2);
    generic->setColumnStretch(2, 1);
    WindowNameEB = ReadOnlyBox(TabSheet2);
    BrandEB = ReadOnlyBox(TabSheet2);
    GlassEB = ReadOnlyBox(TabSheet2);
    FrameEB = ReadOnlyBox(TabSheet2);
    pbfind = new platform::SpeedButton("Details", "Display Details", TabSheet2);
    auto* custom = new QGridLayout(TabSheet2);
    int row = 0;
    for (auto [caption, box] : {std::pair{"Product", WindowNameEB}, std::pair{"Brand", BrandEB},
                                std::pair{"Glass", GlassEB}, std::pair{"Frame", FrameEB}}) {
        custom->addWidget(new QLabel(caption, TabSheet2), row, 0);
        custom->addWidget(box, row++, 1);
    }
    custom->addWidget(pbfind, 0, 2);

    // Style, furnishing and shading device.
    auto* others = new QGridLayout;
    picture(this, dbstylepic, styleText);
    picture(this, dbfurnishingpic, furnishingText);
    picture(this, dbshadingpic, shadingText);
    others->addWidget(new QLabel("Style", this), 0, 0);
    others->addWidget(dbstylepic, 0, 1);
    others->addWidget(styleText, 0, 2);
    others->addWidget(new QLabel("Curtain or Blind", this), 1, 0);
    others->addWidget(dbfurnishingpic, 1, 1);
    others->addWidget(furnishingText, 1, 2);
    others->addWidget(new QLabel("External Shading", this), 2, 0);
    others->addWidget(dbshadingpic, 2, 1);
    others->addWidget(shadingText, 2, 2);
    HorizShadSchedButton = new platform::SpeedButton("Monthly Schedule", "Monthly Schedule", this);
    HorShadeCheckBox = new QCheckBox(this);
    HorShadeCheckBox->setEnabled(false);
    VertSButton = new platform::SpeedButton("Vertical Shading", "Vertical Shading", this);
    VertShadCB = new QCheckBox(this);
    VertShadCB->setEnabled(false);
    OpenCB = new QCheckBox("Permanently Open", this);
    OpenCB->hide();
    others->addWidget(HorizShadSchedButton, 3, 1, 1, 2);
    others->addWidget(HorShadeCheckBox, 3, 0, Qt::AlignRight);
    others->addWidget(VertSButton, 4, 1, 1, 2);
    others->addWidget(VertShadCB, 4, 0, Qt::AlignRight);

    auto* top = new QHBoxLayout;
    top->addWidget(PageControl1, 1);
    top->addLayout(others, 1);

    // Sizes.
    HEdit = new platform::EditBox(this);
    WEdit = new platform::EditBox(this);
    OEdit = new platform::EditBox(this);
    HHEdit = new platform::EditBox(this);
    EAEdit = new platform::EditBox(this);
    HeightRG = new platform::RadioGroup("Height  mm", kSizeItems, this);
    WidthRG = new platform::RadioGroup("Width  mm", kSizeItems, this);
    OffsetRG = new platform::RadioGroup("Offset  mm", kOffsetItems, this);
    auto* sizes = new QGridLayout;
    sizes->addWidget(HEdit, 0, 0);
    sizes->addWidget(WEdit, 0, 1);
    sizes->addWidget(OEdit, 0, 2);
    sizes->addWidget(HeightRG, 1, 0);
    sizes->addWidget(WidthRG, 1, 1);
    sizes->addWidget(OffsetRG, 1, 2);
    auto* heads = new QVBoxLayout;
    heads->addWidget(new QLabel("Head Ht", this));
    heads->addWidget(HHEdit);
    heads->addWidget(new QLabel("2nd Eaves", this));
    heads->addWidget(EAEdit);
    heads->addStretch(1);
    sizes->addLayout(heads, 1, 3);

    // Figures.
    NameEB = new QLabel(this);
    AreaLabel = new QLabel(this);
    RtLabel = new QLabel(this);
    UALabel = new QLabel(this);
    SHGCLabel = new QLabel(this);
    RgLabel = new QLabel(this);
    RfLabel = new QLabel(this);
    RfurnLl = new QLabel(this);
    ShadeLl = new QLabel(this);
    OpeningLl = new QLabel(this);
    auto* figures = new QVBoxLayout;
    for (QLabel* label :
         {NameEB, AreaLabel, RtLabel, UALabel, SHGCLabel, RgLabel, RfLabel, RfurnLl, ShadeLl, OpeningLl}) {
        label->setMinimumWidth(110);
        figures->addWidget(label);
    }
    figures->addStretch(1);
    sizes->addLayout(figures, 0, 4, 2, 1);
    sizes->setColumnStretch(5, 1);

    PaintBox1 = new GlazingPreviewBox(editor_, this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(sizes);
    layout->addWidget(PaintBox1);
    layout->addWidget(buttonRow());

    bindEdit(HEdit, e.HEdit);
    bindEdit(WEdit, e.WEdit);
    bindEdit(OEdit, e.OEdit);
    bindEdit(HHEdit, e.HHEdit);
    bindEdit(EAEdit, e.EAEdit);
    bindRadio(HeightRG, e.HeightRG);
    bindRadio(WidthRG, e.WidthRG);
    bindRadio(OffsetRG, e.OffsetRG);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this, &e](int page) {
        run([&e, page] { e.PageControl1Change(static_cast<GlazingPage>(page)); });
    });
    connect(pbfind, &QToolButton::clicked, this, [this, &e] { run([&e] { e.pbfindClick(); }); });
    connect(HorizShadSchedButton, &QToolButton::clicked, this,
            [this, &e] { run([&e] { e.HorizShadSchedButtonClick(); }); });
    connect(VertSButton, &QToolButton::clicked, this, [this, &e] { run([&e] { e.VertSButtonClick(); }); });
    for (const auto& picKey :
         {std::pair{dbglasspic, "WG"}, std::pair{dbframepic, "WF"}, std::pair{dbstylepic, "WS"},
          std::pair{dbfurnishingpic, "WU"}, std::pair{dbshadingpic, "WH"}}) {
        // Plain variables, not a structured binding: clang 14 lets no lambda capture a binding.
        const auto pic = picKey.first;
        const auto key = picKey.second;
        connect(pic, &PicturePanel::clicked, this,
                [this, &e, pic, key] { run([&e, pic, key] { e.PictureClick(key, pic->anchor()); }); });
    }
    // The head height guard runs when the mouse comes over OK or moves over the head height box.
    OKSB->installEventFilter(this);
    HHEdit->setMouseTracking(true);
    HHEdit->installEventFilter(this);
    e.setView(this);
}

bool TGlazingForm::eventFilter(QObject* watched, QEvent* event) {
    const bool overOK = watched == OKSB && event->type() == QEvent::Enter;
    const bool overHead = watched == HHEdit && event->type() == QEvent::MouseMove;
    if (isVisible() && (overOK || overHead)) run([this] { editor_.HHEditMouseMove(); });
    return ElementEditorForm::eventFilter(watched, event);
}

void TGlazingForm::showEvent(QShowEvent* event) {
    ElementEditorForm::showEvent(event);
    OffsetRG->takeFocus();
}

void TGlazingForm::refreshControls() {
    const GlazingEditor& e = editor_;
    const auto row = [](PicturePanel* pic, QLabel* text, const TableCursor& table) {
        pic->showRow(table);
        if (table.Active()) text->setText(q(table.Text("Material Description")));
    };
    row(dbglasspic, glassText, e.glasstable);
    row(dbframepic, frameText, e.frametable);
    row(dbstylepic, styleText, e.styletable);
    row(dbfurnishingpic, furnishingText, e.furnishingstable);
    row(dbshadingpic, shadingText, e.shadingtable);
    {
        const QSignalBlocker blocker(PageControl1);
        PageControl1->setCurrentIndex(static_cast<int>(e.PageIndex));
    }
    pbfind->setVisible(e.pbfindVisible);
    WindowNameEB->setText(q(e.WindowNameEB));
    BrandEB->setText(q(e.BrandEB));
    GlassEB->setText(q(e.GlassEB));
    FrameEB->setText(q(e.FrameEB));
    HorizShadSchedButton->setVisible(e.HorizShadSchedButtonVisible);
    HorShadeCheckBox->setVisible(e.HorizShadSchedButtonVisible);
    HorShadeCheckBox->setChecked(e.HorShadeCheckBox);
    VertShadCB->setChecked(e.VertShadCB);
    OpenCB->setChecked(e.OpenCB);
    showEdit(HEdit, e.HEdit);
    showEdit(WEdit, e.WEdit);
    showEdit(OEdit, e.OEdit);
    showEdit(HHEdit, e.HHEdit);
    showEdit(EAEdit, e.EAEdit);
    showRadio(HeightRG, e.HeightRG);
    showRadio(WidthRG, e.WidthRG);
    showRadio(OffsetRG, e.OffsetRG);
    NameEB->setText(q(e.NameEB));
    AreaLabel->setText(q(e.AreaLabel));
    RtLabel->setText(q(e.RtLabel));
    UALabel->setText(q(e.UALabel));
    SHGCLabel->setText(q(e.SHGCLabel));
    RgLabel->setText(q(e.RgLabel));
    RfLabel->setText(q(e.RfLabel));
    RfurnLl->setText(q(e.RfurnLl));
    ShadeLl->setText(q(e.ShadeLl));
    OpeningLl->setText(q(e.OpeningLl));
    PaintBox1->update();
}

} // namespace pelmora
