#include "modeller/editors/wall_editor_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollBar>

namespace pelmora {

AddedRPanel MakeAddedRPanel(QWidget* parent) {
    AddedRPanel panel;
    panel.rpanel = new QFrame(parent);
    panel.rpanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel.Rscroll = new QScrollBar(Qt::Horizontal, panel.rpanel);
    panel.Rscroll->setRange(0, kMaxRscroll);
    panel.Rscroll->setPageStep(10);
    panel.RLabel = new QLabel(panel.rpanel);
    panel.RLabel->setMinimumWidth(40);
    auto* layout = new QHBoxLayout(panel.rpanel);
    layout->addWidget(new QLabel("Bulk R", panel.rpanel));
    layout->addWidget(panel.Rscroll, 1);
    layout->addWidget(panel.RLabel);
    return panel;
}

WallEditorForm::WallEditorForm(WallEditor& editor, platform::Services& services, const char* objectName,
                               std::string_view changeAllHint, QWidget* parent)
    : ElementEditorForm(editor, services, objectName, changeAllHint, parent), wall_(editor) {
    dbmaterialpicture = new PicturePanel(kPictureWidth, kPictureHeight, this);
    dbinsulationpicture = new PicturePanel(kPictureWidth, kPictureHeight, this);
    DBText1 = new QLabel(this);
    DBText2 = new QLabel(this);
    for (QLabel* label : {DBText1, DBText2}) label->setWordWrap(true);
    ThickEdit = new platform::EditBox(this);
    HEdit = new platform::EditBox(this);
    RadioGroup1 = new platform::RadioGroup("", {"3000", "2700", "2550", "2400"}, this);
    const AddedRPanel added = MakeAddedRPanel(this);
    rpanel = added.rpanel;
    Rscroll = added.Rscroll;
    RLabel = added.RLabel;
    RdLabel = new QLabel(this);
    RiLabel = new QLabel(this);
    RTotLabel = new QLabel(this);
    UALabel = new QLabel(this);
    AreaLabel = new QLabel(this);
    PaintBox1 = new ElevationBox(editor.PaintBox1, this);

    WallEditor& e = editor;
    bindEdit(ThickEdit, e.ThickEdit);
    bindEdit(HEdit, e.HEdit);
    bindRadio(RadioGroup1, e.RadioGroup1);
    connect(Rscroll, &QScrollBar::valueChanged, this,
            [this, &e](int position) { run([&e, position] { e.RscrollChange(position); }); });
    connect(dbmaterialpicture, &PicturePanel::clicked, this,
            [this, &e] { run([this, &e] { e.dbmaterialpictureClick(dbmaterialpicture->anchor()); }); });
    connect(dbinsulationpicture, &PicturePanel::clicked, this,
            [this, &e] { run([this, &e] { e.dbinsulationpictureClick(dbinsulationpicture->anchor()); }); });
}

QGridLayout* WallEditorForm::constructionLayout() {
    auto* layout = new QGridLayout;
    layout->addWidget(dbmaterialpicture, 0, 0);
    layout->addWidget(DBText1, 0, 1);
    layout->addWidget(dbinsulationpicture, 1, 0);
    layout->addWidget(DBText2, 1, 1);
    layout->setColumnStretch(1, 1);
    return layout;
}

QGridLayout* WallEditorForm::sizeLayout() {
    auto* layout = new QGridLayout;
    layout->addWidget(new QLabel("Thickness           mm", this), 0, 0);
    layout->addWidget(ThickEdit, 0, 1);
    layout->addWidget(new QLabel("Height           mm", this), 1, 0);
    layout->addWidget(HEdit, 1, 1);
    layout->addWidget(RadioGroup1, 0, 2, 3, 1);
    layout->setColumnStretch(3, 1);
    return layout;
}

QHBoxLayout* WallEditorForm::resistanceLayout() {
    auto* layout = new QHBoxLayout;
    for (QLabel* label : {RdLabel, RiLabel, RTotLabel, UALabel}) {
        label->setMinimumWidth(90);
        layout->addWidget(label);
    }
    layout->addStretch(1);
    return layout;
}

void WallEditorForm::refreshWallControls() {
    const WallEditor& e = wall_;
    dbmaterialpicture->showRow(e.materialstable);
    dbinsulationpicture->showRow(e.insulationtable);
    if (e.materialstable.Active()) DBText1->setText(q(e.materialstable.Text("Material Description")));
    if (e.insulationtable.Active()) DBText2->setText(q(e.insulationtable.Text("Insulation Description")));
    showEdit(ThickEdit, e.ThickEdit);
    showEdit(HEdit, e.HEdit);
    showRadio(RadioGroup1, e.RadioGroup1);
    rpanel->setVisible(e.rpanelVisible);
    {
        const QSignalBlocker blocker(Rscroll);
        Rscroll->setValue(e.Rscroll);
    }
    RLabel->setText(q(e.RLabel));
    RdLabel->setText(q(e.RdLabel));
    RiLabel->setText(q(e.RiLabel));
    RTotLabel->setText(q(e.RTotLabel));
    UALabel->setText(q(e.UALabel));
    AreaLabel->setText(q(e.AreaLabel));
    PaintBox1->update();
}

} // namespace pelmora
