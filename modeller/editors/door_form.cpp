#include "modeller/editors/door_form.h"

#include "modeller/platform/message_service.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace pelmora {

TDoorForm::TDoorForm(EditorContext& context, platform::Services& services, QWidget* parent)
    : ElementEditorForm(editor_, services, "DoorForm", door_text::kChangeAllHint, parent), editor_(context) {
    setWindowTitle(platform::Utf8(door_text::kDesignCaption));
    dbDoorpic = new PicturePanel(kPictureWidth, kPictureHeight, this);
    DBDoorText = new QLabel(this);
    DBDoorText->setWordWrap(true);
    HEdit = new platform::EditBox(this);
    WEdit = new platform::EditBox(this);
    HeightRG = new platform::RadioGroup("", {"2040", "2400", "2700", "3000"}, this);
    WidthRG =
        new platform::RadioGroup("", {"720", "820", "1200", "1500", "1800", "2100", "2400", "2700"}, this);
    PaintBox1 = new ElevationBox(editor_.PaintBox1, this);
    RTotLabel = new QLabel(this);
    AreaLabel = new QLabel(this);
    UALabel = new QLabel(this);
    ZoneColourPanel2 = new ColourPanel(this);
    ZoneColourPanel2->setToolTip("Colour of the zone the door leads into");

    auto* door = new QHBoxLayout;
    door->addWidget(dbDoorpic);
    door->addWidget(DBDoorText, 1);

    auto* sizes = new QGridLayout;
    sizes->addWidget(new QLabel(platform::Utf8(door_text::kHeightCaption), this), 0, 0);
    sizes->addWidget(HEdit, 0, 1);
    sizes->addWidget(HeightRG, 1, 0, 1, 2, Qt::AlignTop);
    sizes->addWidget(new QLabel(platform::Utf8(door_text::kWidthCaption), this), 0, 2);
    sizes->addWidget(WEdit, 0, 3);
    sizes->addWidget(WidthRG, 1, 2, 1, 2);
    sizes->setColumnStretch(4, 1);

    auto* values = new QHBoxLayout;
    for (QLabel* label : {RTotLabel, AreaLabel, UALabel}) {
        label->setMinimumWidth(90);
        values->addWidget(label);
    }
    values->addStretch(1);
    values->addWidget(ZoneColourPanel2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(door);
    layout->addLayout(sizes);
    layout->addLayout(values);
    layout->addWidget(PaintBox1);
    layout->addWidget(buttonRow());

    DoorEditor& e = editor_;
    bindEdit(HEdit, e.HEdit);
    bindEdit(WEdit, e.WEdit);
    bindRadio(HeightRG, e.HeightRG);
    bindRadio(WidthRG, e.WidthRG);
    connect(dbDoorpic, &PicturePanel::clicked, this,
            [this, &e] { run([this, &e] { e.dbDoorpicClick(dbDoorpic->anchor()); }); });
    e.setView(this);
}

void TDoorForm::refreshControls() {
    const DoorEditor& e = editor_;
    dbDoorpic->showRow(e.DoorTable);
    if (e.DoorTable.Active()) DBDoorText->setText(q(e.DoorTable.Text("Material Description")));
    showEdit(HEdit, e.HEdit);
    showEdit(WEdit, e.WEdit);
    showRadio(HeightRG, e.HeightRG);
    showRadio(WidthRG, e.WidthRG);
    RTotLabel->setText(q(e.RTotLabel));
    AreaLabel->setText(q(e.AreaLabel));
    UALabel->setText(q(e.UALabel));
    ZoneColourPanel2->setVisible(e.ZoneColourPanel2Visible);
    ZoneColourPanel2->setColour(e.ZoneColourPanel2);
    PaintBox1->update();
}

} // namespace pelmora
