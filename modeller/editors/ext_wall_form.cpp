#include "modeller/editors/ext_wall_form.h"

#include "modeller/platform/message_service.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace pelmora {

TExtWallForm::TExtWallForm(EditorContext& context, platform::Services& services, QWidget* parent)
    : WallEditorForm(editor_, services, "ExtWallForm", ext_wall_text::kChangeAllHint, parent),
      editor_(context) {
    QStringList beyond;
    for (std::string_view item : ext_wall_text::kBeyondItems) beyond << platform::Utf8(item);
    Beyond = new platform::RadioGroup(platform::Utf8(ext_wall_text::kBeyondCaption), beyond, this);
    ExtInsCB = new QCheckBox(platform::Utf8(ext_wall_text::kExtInsCaption), this);
    colourpanel = new ColourPanel(this);
    colourpanel->setToolTip("Wall colour");
    DarkP = ColourPreset("Dark", kDarkWallColour, this);
    MedP = ColourPreset("Medium", kMediumWallColour, this);
    LightP = ColourPreset("Light", kLightWallColour, this);
    ALabel = new QLabel(this);

    auto* outside = new QHBoxLayout;
    outside->addWidget(Beyond);
    outside->addWidget(ExtInsCB, 0, Qt::AlignTop);
    outside->addStretch(1);

    auto* colours = new QHBoxLayout;
    colours->addWidget(new QLabel("Colour", this));
    colours->addWidget(colourpanel);
    colours->addWidget(DarkP);
    colours->addWidget(MedP);
    colours->addWidget(LightP);
    colours->addWidget(new QLabel("Absorptance", this));
    colours->addWidget(ALabel);
    colours->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(constructionLayout());
    layout->addLayout(sizeLayout());
    layout->addLayout(outside);
    layout->addLayout(colours);
    layout->addWidget(rpanel);
    layout->addLayout(resistanceLayout());
    layout->addWidget(AreaLabel);
    layout->addWidget(PaintBox1);
    layout->addWidget(buttonRow());

    ExtWallEditor& e = editor_;
    e.ColorDialog1 = [this](std::int32_t current) -> std::optional<std::int32_t> {
        const QColor chosen = QColorDialog::getColor(ColourOf(current), this, "Colour");
        if (!chosen.isValid()) return std::nullopt;
        return chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16);
    };
    bindRadio(Beyond, e.Beyond);
    connect(ExtInsCB, &QCheckBox::clicked, this,
            [this, &e](bool checked) { run([&e, checked] { e.ExtInsCBClick(checked); }); });
    connect(colourpanel, &ColourPanel::clicked, this, [this, &e] { run([&e] { e.colourpanelClick(); }); });
    connect(DarkP, &QToolButton::clicked, this, [this, &e] { run([&e] { e.DarkPClick(); }); });
    connect(MedP, &QToolButton::clicked, this, [this, &e] { run([&e] { e.MedPClick(); }); });
    connect(LightP, &QToolButton::clicked, this, [this, &e] { run([&e] { e.LightPClick(); }); });
    e.setView(this);
}

void TExtWallForm::refreshControls() {
    const ExtWallEditor& e = editor_;
    refreshWallControls();
    showRadio(Beyond, e.Beyond);
    {
        const QSignalBlocker blocker(ExtInsCB);
        ExtInsCB->setChecked(e.ExtInsCB);
    }
    ExtInsCB->setVisible(e.ExtInsCBVisible);
    colourpanel->setColour(e.colourpanel);
    ALabel->setText(q(e.ALabel));
}

} // namespace pelmora
