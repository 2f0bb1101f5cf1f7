#include "modeller/editors/roof_form.h"

#include "modeller/platform/message_service.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace pelmora {

RoofShapeBox::RoofShapeBox(const std::vector<PictureLine>& lines, QWidget* parent)
    : QWidget(parent), lines_(lines) {
    setFixedSize(roof_picture::kWidth, roof_picture::kHeight);
}

void RoofShapeBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    for (const PictureLine& l : lines_) painter.drawLine(l.X1, l.Y1, l.X2, l.Y2);
}

TRoofForm::TRoofForm(EditorContext& context, platform::Services& services, QWidget* parent)
    : SlopedEditorForm(editor_, services, "RoofForm", roof_text::kChangeAllHint, parent), editor_(context) {
    setWindowTitle(platform::Utf8(roof_text::kDesignCaption));
    QStringList vent, shapes;
    for (std::string_view item : roof_text::kVentItems) vent << platform::Utf8(item);
    for (std::string_view item : roof_text::kShapeItems) shapes << platform::Utf8(item);
    RoofVentRG = new platform::RadioGroup(platform::Utf8(roof_text::kVentCaption), vent, this);
    RoofShapeRG = new platform::RadioGroup(platform::Utf8(roof_text::kShapeCaption), shapes, this);
    RoofShapePicture = new RoofShapeBox(editor_.RoofPicture, this);
    colourpanel = new ColourPanel(this);
    colourpanel->setToolTip("Roof colour");
    DarkP = ColourPreset("Dark", kDarkRoofColour, this);
    MedP = ColourPreset("Medium", kMediumRoofColour, this);
    LightP = ColourPreset("Light", kLightRoofColour, this);
    ALabel = new QLabel(this);
    RumLabel = new QLabel(this);
    RdmLabel = new QLabel(this);
    RuiLabel = new QLabel(this);
    RdiLabel = new QLabel(this);
    RTotUpLabel = new QLabel(this);
    RTotDnLabel = new QLabel(this);
    AreaLabel = new QLabel(this);
    VolumeLabel = new QLabel(this);

    auto* colours = new QHBoxLayout;
    colours->addWidget(new QLabel("Colour", this));
    colours->addWidget(colourpanel);
    colours->addWidget(DarkP);
    colours->addWidget(MedP);
    colours->addWidget(LightP);
    colours->addWidget(new QLabel(platform::Utf8(roof_text::kAbsorptanceCaption), this));
    colours->addWidget(ALabel);
    colours->addStretch(1);

    auto* shape = new QHBoxLayout;
    shape->addWidget(RoofVentRG);
    shape->addWidget(RoofShapeRG);
    shape->addWidget(RoofShapePicture, 0, Qt::AlignVCenter);
    shape->addStretch(1);

    auto* values = new QGridLayout;
    values->addWidget(new QLabel("Roofing", this), 0, 0);
    values->addWidget(RumLabel, 0, 1);
    values->addWidget(RdmLabel, 0, 2);
    values->addWidget(new QLabel("Insulation", this), 1, 0);
    values->addWidget(RuiLabel, 1, 1);
    values->addWidget(RdiLabel, 1, 2);
    values->addWidget(new QLabel("Total", this), 2, 0);
    values->addWidget(RTotUpLabel, 2, 1);
    values->addWidget(RTotDnLabel, 2, 2);
    values->addWidget(AreaLabel, 3, 1);
    values->addWidget(VolumeLabel, 3, 2);
    values->setColumnMinimumWidth(1, 90);
    values->setColumnMinimumWidth(2, 90);
    values->setColumnStretch(3, 1);

    auto* middle = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(colours);
    left->addWidget(rpanel);
    left->addLayout(values);
    left->addStretch(1);
    middle->addLayout(left, 1);
    middle->addWidget(slopePanel(roof_text::kSlopeCaption), 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(constructionLayout());
    layout->addLayout(middle);
    layout->addLayout(shape);
    layout->addWidget(buttonRow());

    RoofEditor& e = editor_;
    e.ColorDialog1 = [this](std::int32_t current) -> std::optional<std::int32_t> {
        const QColor chosen = QColorDialog::getColor(ColourOf(current), this, "Colour");
        if (!chosen.isValid()) return std::nullopt;
        return chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16);
    };
    bindRadio(RoofVentRG, e.RoofVentRG);
    bindRadio(RoofShapeRG, e.RoofShapeRG);
    connect(colourpanel, &ColourPanel::clicked, this, [this, &e] { run([&e] { e.colourpanelClick(); }); });
    connect(DarkP, &QToolButton::clicked, this, [this, &e] { run([&e] { e.DarkPClick(); }); });
    connect(MedP, &QToolButton::clicked, this, [this, &e] { run([&e] { e.MedPClick(); }); });
    connect(LightP, &QToolButton::clicked, this, [this, &e] { run([&e] { e.LightPClick(); }); });
    e.setView(this);
}

void TRoofForm::refreshControls() {
    const RoofEditor& e = editor_;
    refreshSlopedControls();
    showRadio(RoofVentRG, e.RoofVentRG);
    showRadio(RoofShapeRG, e.RoofShapeRG);
    colourpanel->setColour(e.EditRoofColour);
    ALabel->setText(q(e.ALabel));
    RumLabel->setText(q(e.RumLabel));
    RdmLabel->setText(q(e.RdmLabel));
    RuiLabel->setText(q(e.RuiLabel));
    RdiLabel->setText(q(e.RdiLabel));
    RTotUpLabel->setText(q(e.RTotUpLabel));
    RTotDnLabel->setText(q(e.RTotDnLabel));
    AreaLabel->setText(q(e.AreaLabel));
    VolumeLabel->setText(q(e.VolumeLabel));
    AreaLabel->setVisible(e.AreaLabelVisible);
    VolumeLabel->setVisible(e.VolumeLabelVisible);
    RoofShapePicture->update();
}

} // namespace pelmora
