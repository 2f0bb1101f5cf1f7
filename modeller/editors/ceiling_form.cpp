#include "modeller/editors/ceiling_form.h"

#include "modeller/platform/message_service.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace pelmora {

TCeilingForm::TCeilingForm(EditorContext& context, platform::Services& services, QWidget* parent)
    : SlopedEditorForm(editor_, services, "CeilingForm", ceiling_text::kChangeAllHint, parent),
      editor_(context) {
    setWindowTitle(platform::Utf8(ceiling_text::kDesignCaption));
    QStringList above;
    for (std::string_view item : ceiling_text::kAboveItems) above << platform::Utf8(item);
    AboveRG = new platform::RadioGroup(platform::Utf8(ceiling_text::kAboveCaption), above, this);
    RmUpLabel = new QLabel(this);
    RmDnLabel = new QLabel(this);
    RuiLabel = new QLabel(this);
    RdiLabel = new QLabel(this);
    RTotUpLabel = new QLabel(this);
    RTotDnLabel = new QLabel(this);
    UAUpLabel = new QLabel(this);
    UADnLabel = new QLabel(this);
    AreaLabel = new QLabel(this);

    SharePanel = new QGroupBox(platform::Utf8(ceiling_text::kShareCaption), this);
    ScrollBox1 = new QScrollArea(SharePanel);
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setMinimumSize(300, 140);
    CombineButton = new platform::SpeedButton(platform::Utf8(ceiling_text::kCombineCaption),
                                              platform::Utf8(ceiling_text::kCombineHint), SharePanel);
    SeparateButton = new platform::SpeedButton(platform::Utf8(ceiling_text::kSeparateCaption),
                                               platform::Utf8(ceiling_text::kSeparateHint), SharePanel);
    ShareLimitLabel = new QLabel(SharePanel);
    ShareLimitLabel->setWordWrap(true);
    auto* shareButtons = new QHBoxLayout;
    shareButtons->addWidget(CombineButton);
    shareButtons->addWidget(SeparateButton);
    shareButtons->addStretch(1);
    auto* share = new QVBoxLayout(SharePanel);
    share->addWidget(ScrollBox1, 1);
    share->addWidget(ShareLimitLabel);
    share->addLayout(shareButtons);

    auto* values = new QGridLayout;
    values->addWidget(new QLabel("Construction", this), 0, 0);
    values->addWidget(RmUpLabel, 0, 1);
    values->addWidget(RmDnLabel, 0, 2);
    values->addWidget(new QLabel("Insulation", this), 1, 0);
    values->addWidget(RuiLabel, 1, 1);
    values->addWidget(RdiLabel, 1, 2);
    values->addWidget(new QLabel("Total", this), 2, 0);
    values->addWidget(RTotUpLabel, 2, 1);
    values->addWidget(RTotDnLabel, 2, 2);
    values->addWidget(AreaLabel, 3, 0);
    values->addWidget(UAUpLabel, 3, 1);
    values->addWidget(UADnLabel, 3, 2);
    values->setColumnMinimumWidth(1, 90);
    values->setColumnMinimumWidth(2, 90);
    values->setColumnStretch(3, 1);

    auto* middle = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(AboveRG);
    left->addWidget(rpanel);
    left->addLayout(values);
    left->addStretch(1);
    middle->addLayout(left, 1);
    middle->addWidget(slopePanel(ceiling_text::kSlopeCaption), 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(constructionLayout());
    layout->addLayout(middle);
    layout->addWidget(SharePanel, 1);
    layout->addWidget(buttonRow());
    // The dialog takes the size of what it shows: smaller without the share rows (defaults mode).
    layout->setSizeConstraint(QLayout::SetFixedSize);

    CeilingEditor& e = editor_;
    bindRadio(AboveRG, e.AboveRG);
    connect(CombineButton, &QToolButton::clicked, this,
            [this, &e] { run([&e] { e.CombineButtonClick(); }); });
    connect(SeparateButton, &QToolButton::clicked, this,
            [this, &e] { run([&e] { e.SeparateButtonClick(); }); });
    e.setView(this);
}

void TCeilingForm::rebuildShareRows() {
    auto* rows = new QWidget;
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setVerticalSpacing(1);
    ShareChecks.clear();
    CeilingEditor& e = editor_;
    for (std::size_t k = 0; k < e.ShareRows.size(); ++k) {
        const ShareRow& row = e.ShareRows[k];
        const int r = static_cast<int>(k);
        grid->addWidget(new QLabel(q(row.Number), rows), r, 0);
        grid->addWidget(new QLabel(q(row.Name), rows), r, 1);
        auto* check = new QCheckBox(rows);
        grid->addWidget(check, r, 2);
        auto* swatch = new QFrame(rows);
        swatch->setFixedSize(15, 15);
        swatch->setAutoFillBackground(true);
        QPalette p = swatch->palette();
        p.setColor(QPalette::Window, ColourOf(row.Colour));
        swatch->setPalette(p);
        grid->addWidget(swatch, r, 3);
        grid->addWidget(new QLabel(q(row.Type), rows), r, 4);
        connect(check, &QCheckBox::clicked, this,
                [this, &e, r](bool checked) { run([&e, r, checked] { e.ShareCheckClick(r, checked); }); });
        ShareChecks.push_back(check);
    }
    grid->setColumnMinimumWidth(1, 140);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(static_cast<int>(e.ShareRows.size()), 1);
    ScrollBox1->setWidget(rows); // the old rows go with their widget
    shownRowsVersion_ = e.ShareRowsVersion;
}

void TCeilingForm::refreshControls() {
    const CeilingEditor& e = editor_;
    refreshSlopedControls();
    showRadio(AboveRG, e.AboveRG);
    RmUpLabel->setText(q(e.RmUpLabel));
    RmDnLabel->setText(q(e.RmDnLabel));
    RuiLabel->setText(q(e.RuiLabel));
    RdiLabel->setText(q(e.RdiLabel));
    RTotUpLabel->setText(q(e.RTotUpLabel));
    RTotDnLabel->setText(q(e.RTotDnLabel));
    UAUpLabel->setText(q(e.UAUpLabel));
    UADnLabel->setText(q(e.UADnLabel));
    AreaLabel->setText(q(e.AreaLabel));
    AreaLabel->setVisible(e.AreaLabelVisible);
    SharePanel->setVisible(e.SharePanelVisible);
    if (shownRowsVersion_ != e.ShareRowsVersion) rebuildShareRows();
    for (std::size_t k = 0; k < ShareChecks.size() && k < e.ShareRows.size(); ++k) {
        const QSignalBlocker blocker(ShareChecks[k]);
        ShareChecks[k]->setChecked(e.ShareRows[k].Checked);
        ShareChecks[k]->setVisible(e.ShareRows[k].CheckVisible);
    }
    ShareLimitLabel->setText(q(e.ShareLimitLabel));
    ShareLimitLabel->setVisible(!e.ShareLimitLabel.empty());
}

} // namespace pelmora
