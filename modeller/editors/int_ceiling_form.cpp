#include "modeller/editors/int_ceiling_form.h"

#include "modeller/editors/wall_editor_form.h"

#include <QGridLayout>
#include <QScrollBar>
#include <QVBoxLayout>

namespace pelmora {

TIntCeilingForm::TIntCeilingForm(EditorContext& context, platform::Services& services, QWidget* parent)
    : ElementEditorForm(editor_, services, "IntCeilingForm", int_ceiling_text::kChangeAllHint, parent),
      editor_(context) {
    setWindowTitle(q(std::string(int_ceiling_text::kDesignCaption)));
    dbmaterialpicture = new PicturePanel(kPictureWidth, kPictureHeight, this);
    dbinsulationpicture = new PicturePanel(kPictureWidth, kPictureHeight, this);
    DBText1 = new QLabel(this);
    DBText2 = new QLabel(this);
    for (QLabel* label : {DBText1, DBText2}) {
        label->setWordWrap(true);
        label->setMinimumWidth(220);
    }
    const AddedRPanel added = MakeAddedRPanel(this);
    rpanel = added.rpanel;
    Rscroll = added.Rscroll;
    RLabel = added.RLabel;
    RumLabel = new QLabel(this);
    RdmLabel = new QLabel(this);
    RuiLabel = new QLabel(this);
    RdiLabel = new QLabel(this);
    RTotUpLabel = new QLabel(this);
    RTotDnLabel = new QLabel(this);
    UAUpLabel = new QLabel(this);
    UADnLabel = new QLabel(this);
    AreaLabel = new QLabel(this);

    // The construction and the insulation, each with its R values up and down beside it; the totals
    // and U or UA below.
    auto* grid = new QGridLayout;
    grid->addWidget(dbmaterialpicture, 0, 0);
    grid->addWidget(DBText1, 0, 1);
    grid->addWidget(RumLabel, 0, 2);
    grid->addWidget(RdmLabel, 0, 3);
    grid->addWidget(dbinsulationpicture, 1, 0);
    grid->addWidget(DBText2, 1, 1);
    grid->addWidget(RuiLabel, 1, 2);
    grid->addWidget(RdiLabel, 1, 3);
    grid->addWidget(AreaLabel, 2, 1);
    grid->addWidget(RTotUpLabel, 2, 2);
    grid->addWidget(RTotDnLabel, 2, 3);
    grid->addWidget(UAUpLabel, 3, 2);
    grid->addWidget(UADnLabel, 3, 3);
    grid->setColumnStretch(1, 1);
    for (int column : {2, 3}) grid->setColumnMinimumWidth(column, 90);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(rpanel);
    layout->addWidget(buttonRow());

    IntCeilingEditor& e = editor_;
    connect(Rscroll, &QScrollBar::valueChanged, this,
            [this, &e](int position) { run([&e, position] { e.RscrollChange(position); }); });
    connect(dbmaterialpicture, &PicturePanel::clicked, this,
            [this, &e] { run([this, &e] { e.dbmaterialpictureClick(dbmaterialpicture->anchor()); }); });
    connect(dbinsulationpicture, &PicturePanel::clicked, this,
            [this, &e] { run([this, &e] { e.dbinsulationpictureClick(dbinsulationpicture->anchor()); }); });
    e.setView(this);
}

void TIntCeilingForm::refreshControls() {
    const IntCeilingEditor& e = editor_;
    dbmaterialpicture->showRow(e.materialstable);
    dbinsulationpicture->showRow(e.insulationtable);
    if (e.materialstable.Active()) DBText1->setText(q(e.materialstable.Text("Material Description")));
    if (e.insulationtable.Active()) DBText2->setText(q(e.insulationtable.Text("Insulation Description")));
    if (rpanel->isHidden() == e.rpanelVisible) {
        rpanel->setVisible(e.rpanelVisible);
        adjustSize(); // the dialog takes the size of the panels it shows
    }
    {
        const QSignalBlocker blocker(Rscroll);
        Rscroll->setValue(e.Rscroll);
    }
    RLabel->setText(q(e.RLabel));
    RumLabel->setText(q(e.RumLabel));
    RdmLabel->setText(q(e.RdmLabel));
    RuiLabel->setText(q(e.RuiLabel));
    RdiLabel->setText(q(e.RdiLabel));
    RTotUpLabel->setText(q(e.RTotUpLabel));
    RTotDnLabel->setText(q(e.RTotDnLabel));
    UAUpLabel->setText(q(e.UAUpLabel));
    UADnLabel->setText(q(e.UADnLabel));
    AreaLabel->setText(q(e.AreaLabel));
}

} // namespace pelmora
