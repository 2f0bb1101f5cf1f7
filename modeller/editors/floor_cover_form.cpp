#include "modeller/editors/floor_cover_form.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace pelmora {

TFloorCoverForm::TFloorCoverForm(EditorContext& context, platform::Services& services, QWidget* parent)
    : ElementEditorForm(editor_, services, "FloorCoverForm", floor_cover_text::kChangeAllHint, parent),
      editor_(context) {
    setWindowTitle(q(std::string(floor_cover_text::kDesignCaption)));
    DBFloorCoverImage = new PicturePanel(kPictureWidth, kPictureHeight, this);
    DBFloorCoverText = new QLabel(this);
    DBFloorCoverText->setWordWrap(true);
    DBFloorCoverText->setMinimumWidth(200);
    RLabel = new QLabel(this);
    UALabel = new QLabel(this);
    AreaLabel = new QLabel(this);

    auto* cover = new QHBoxLayout;
    cover->addWidget(DBFloorCoverImage);
    cover->addWidget(DBFloorCoverText, 1);

    auto* values = new QHBoxLayout;
    for (QLabel* label : {RLabel, AreaLabel, UALabel}) {
        label->setMinimumWidth(90);
        values->addWidget(label);
    }
    values->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(cover);
    layout->addLayout(values);
    layout->addWidget(buttonRow());

    FloorCoverEditor& e = editor_;
    connect(DBFloorCoverImage, &PicturePanel::clicked, this,
            [this, &e] { run([this, &e] { e.DBFloorCoverImageClick(DBFloorCoverImage->anchor()); }); });
    e.setView(this);
}

void TFloorCoverForm::refreshControls() {
    const FloorCoverEditor& e = editor_;
    DBFloorCoverImage->showRow(e.FloorCoverTable);
    if (e.FloorCoverTable.Active())
        DBFloorCoverText->setText(q(e.FloorCoverTable.Text("Material Description")));
    RLabel->setText(q(e.RLabel));
    UALabel->setText(q(e.UALabel));
    AreaLabel->setText(q(e.AreaLabel));
}

} // namespace pelmora
