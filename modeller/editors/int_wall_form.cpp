#include "modeller/editors/int_wall_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace pelmora {

TIntWallForm::TIntWallForm(EditorContext& context, platform::Services& services, QWidget* parent)
    : WallEditorForm(editor_, services, "IntWallForm", int_wall_text::kChangeAllHint, parent),
      editor_(context) {
    RDisLabel = RdLabel;
    ZoneColourPanel2 = new ColourPanel(this);
    ZoneColourPanel2->setToolTip("Colour of the zone on the other side");
    setWindowTitle(q(std::string(int_wall_text::kDesignCaption)));

    auto* zones = new QHBoxLayout;
    zones->addStretch(1);
    zones->addWidget(ZoneColourPanel2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(constructionLayout());
    layout->addLayout(sizeLayout());
    layout->addWidget(rpanel);
    layout->addLayout(resistanceLayout());
    layout->addWidget(AreaLabel);
    layout->addWidget(PaintBox1);
    layout->addLayout(zones);
    layout->addWidget(buttonRow());
    editor_.setView(this);
}

void TIntWallForm::refreshControls() {
    refreshWallControls();
    ZoneColourPanel2->setVisible(editor_.ZoneColourPanel2Visible);
    ZoneColourPanel2->setColour(editor_.ZoneColourPanel2);
}

} // namespace pelmora
