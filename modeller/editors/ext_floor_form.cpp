#include "modeller/editors/ext_floor_form.h"

#include "modeller/platform/message_service.h"

#include "modeller/editors/wall_editor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace pelmora {

namespace {

template <std::size_t N> QStringList Items(const std::array<std::string_view, N>& items) {
    QStringList list;
    for (std::string_view item : items) list << platform::Utf8(item);
    return list;
}

// The share rows' columns in the scroll box (px).
constexpr int kNumberLeft = 4;
constexpr int kNameLeft = 22;
constexpr int kCheckLeft = 164;
constexpr int kCheckWidth = 17;
constexpr int kColourLeft = 180;
constexpr int kColourSize = 15;
constexpr int kTypeLeft = 200;
constexpr int kRowsWidth = 250; // at least; a row's type name may reach further
constexpr int kRowHeight = 16;

} // namespace

TExtFloorForm::TExtFloorForm(EditorContext& context, platform::Services& services, QWidget* parent)
    : ElementEditorForm(editor_, services, "ExtFloorForm", ext_floor_text::kChangeAllHint, parent),
      editor_(context) {
    setWindowTitle(platform::Utf8(ext_floor_text::kDesignCaption));
    dbmaterialpicture = new PicturePanel(kPictureWidth, kPictureHeight, this);
    dbinsulationpicture = new PicturePanel(kPictureWidth, kPictureHeight, this);
    DBFloorCoverImage = new PicturePanel(kPictureWidth, kPictureHeight, this);
    DBText1 = new QLabel(this);
    DBText2 = new QLabel(this);
    DBFloorCoverText = new QLabel(this);
    for (QLabel* label : {DBText1, DBText2, DBFloorCoverText}) {
        label->setWordWrap(true);
        label->setMinimumWidth(100);
    }

    UFPanel = new QGroupBox("Under Floor Space", this);
    ExtFloorVent = new platform::RadioGroup("Ventilation", Items(ext_floor_text::kVentilationItems), UFPanel);
    VentPanel = new QWidget(UFPanel);
    VentAreaRG =
        new platform::RadioGroup("Vent Area mm²/m", Items(ext_floor_text::kVentAreaItems), VentPanel);
    HEdit = new platform::EditBox(VentPanel);
    HEdit->setMaximumWidth(70);
    HeightRG = new platform::RadioGroup("", {"2000", "1500", "1000", "600"}, VentPanel);
    ReflectRG = new platform::RadioGroup("", Items(ext_floor_text::kReflectItems), UFPanel);
    {
        auto* height = new QHBoxLayout;
        height->addWidget(new QLabel("Height", VentPanel));
        height->addWidget(HEdit);
        height->addWidget(new QLabel("mm", VentPanel));
        height->addStretch(1);
        auto* vent = new QVBoxLayout(VentPanel);
        vent->setContentsMargins(0, 0, 0, 0);
        vent->addWidget(VentAreaRG);
        vent->addLayout(height);
        vent->addWidget(HeightRG);
        auto* uf = new QVBoxLayout(UFPanel);
        uf->addWidget(ExtFloorVent);
        uf->addWidget(VentPanel);
        uf->addWidget(ReflectRG);
        uf->addStretch(1);
    }

    rpanel = new QGroupBox("Bulk R Value", this);
    Rscroll = new QScrollBar(Qt::Horizontal, rpanel);
    Rscroll->setRange(0, kMaxRscroll);
    Rscroll->setPageStep(10);
    RLabel = new QLabel(rpanel);
    RLabel->setMinimumWidth(40);
    {
        auto* row = new QHBoxLayout(rpanel);
        row->addWidget(Rscroll, 1);
        row->addWidget(RLabel);
    }

    RumLabel = new QLabel(this);
    RdmLabel = new QLabel(this);
    RuiLabel = new QLabel(this);
    RdiLabel = new QLabel(this);
    RTotUpLabel = new QLabel(this);
    RTotDnLabel = new QLabel(this);
    UAUpLabel = new QLabel(this);
    UADnLabel = new QLabel(this);
    AreaLabel = new QLabel(this);

    SharePanel = new QGroupBox("Zones Sharing the Same Floor Space", this);
    ScrollBox1 = new QScrollArea(SharePanel);
    ScrollBox1->setWidget(new QWidget);
    ScrollBox1->setMinimumHeight(6 * kRowHeight + 8);
    CombineButton =
        new platform::SpeedButton("Combine", platform::Utf8(ext_floor_text::kCombineHint), SharePanel);
    SeparateButton =
        new platform::SpeedButton("Separate", platform::Utf8(ext_floor_text::kSeparateHint), SharePanel);
    {
        // The rows take the panel's width; the buttons stand under them.
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(CombineButton);
        buttons->addWidget(SeparateButton);
        buttons->addStretch(1);
        auto* share = new QVBoxLayout(SharePanel);
        share->setContentsMargins(2, 2, 2, 2);
        share->addWidget(ScrollBox1, 1);
        share->addLayout(buttons);
    }

    // The construction, insulation and covering, each with its R values up and down stacked beside
    // it, so that the floor alone fits the narrow dialog.
    const auto stacked = [](QLabel* upper, QLabel* lower) {
        auto* pair = new QVBoxLayout;
        pair->setSpacing(0);
        pair->addWidget(upper);
        pair->addWidget(lower);
        return pair;
    };
    auto* grid = new QGridLayout;
    grid->addWidget(dbmaterialpicture, 0, 0);
    grid->addWidget(DBText1, 0, 1);
    grid->addLayout(stacked(RumLabel, RdmLabel), 0, 2);
    grid->addWidget(dbinsulationpicture, 1, 0);
    grid->addWidget(DBText2, 1, 1);
    grid->addLayout(stacked(RuiLabel, RdiLabel), 1, 2);
    grid->addWidget(DBFloorCoverImage, 2, 0);
    grid->addWidget(DBFloorCoverText, 2, 1);
    grid->addWidget(AreaLabel, 3, 0, 1, 2);
    grid->addLayout(stacked(RTotUpLabel, RTotDnLabel), 3, 2);
    grid->addLayout(stacked(UAUpLabel, UADnLabel), 4, 2);
    grid->setColumnStretch(1, 1);

    auto* left = new QVBoxLayout;
    left->addLayout(grid);
    left->addWidget(rpanel);
    left->addWidget(SharePanel);
    left->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(UFPanel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top);
    // The buttons close together: with a slab the dialog is narrow.
    buttonRow()->layout()->setSpacing(2);
    layout->addWidget(buttonRow());

    ExtFloorEditor& e = editor_;
    bindRadio(ExtFloorVent, e.ExtFloorVent);
    bindRadio(VentAreaRG, e.VentAreaRG);
    bindRadio(ReflectRG, e.ReflectRG);
    bindRadio(HeightRG, e.HeightRG);
    bindEdit(HEdit, e.HEdit);
    connect(Rscroll, &QScrollBar::valueChanged, this,
            [this, &e](int position) { run([&e, position] { e.RscrollChange(position); }); });
    connect(CombineButton, &QToolButton::clicked, this,
            [this, &e] { run([&e] { e.CombineButtonClick(); }); });
    connect(SeparateButton, &QToolButton::clicked, this,
            [this, &e] { run([&e] { e.SeparateButtonClick(); }); });
    connect(dbmaterialpicture, &PicturePanel::clicked, this,
            [this, &e] { run([this, &e] { e.dbmaterialpictureClick(dbmaterialpicture->anchor()); }); });
    connect(dbinsulationpicture, &PicturePanel::clicked, this,
            [this, &e] { run([this, &e] { e.dbinsulationpictureClick(dbinsulationpicture->anchor()); }); });
    connect(DBFloorCoverImage, &PicturePanel::clicked, this,
            [this, &e] { run([this, &e] { e.DBFloorCoverImageClick(DBFloorCoverImage->anchor()); }); });
    e.setView(this);
}

void TExtFloorForm::done(int result) {
    ElementEditorForm::done(result);
    // A zone's share rows live only while its floor is edited.
    if (!editor_.DefaultsMode()) editor_.FreeSharedZoneRows();
}

void TExtFloorForm::showShareRows() {
    const std::vector<SharedZoneRow>& rows = editor_.SharedZoneRows;
    if (editor_.SharedZoneRowsVersion == shownRowsVersion_) return;
    // Other rows: the old widgets go with their holder.
    QWidget* holder = new QWidget;
    ShareCheckBoxes.clear();
    int rowsWidth = kRowsWidth;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const SharedZoneRow& row = rows[k];
        auto* number = new QLabel(q(row.NumberText), holder);
        number->move(kNumberLeft, row.Top);
        auto* name = new QLabel(q(row.NameText), holder);
        name->move(kNameLeft, row.Top);
        name->setFixedWidth(kCheckLeft - kNameLeft - 2);
        auto* box = new QCheckBox(holder);
        box->setGeometry(kCheckLeft, row.Top, kCheckWidth, kRowHeight);
        auto* colour = new ColourPanel(holder);
        colour->setMinimumSize(kColourSize, kColourSize);
        colour->setGeometry(kColourLeft, row.Top, kColourSize, kColourSize);
        colour->setColour(row.Colour);
        auto* type = new QLabel(q(row.TypeText), holder);
        type->move(kTypeLeft, row.Top);
        rowsWidth = std::max(rowsWidth, kTypeLeft + type->sizeHint().width());
        connect(box, &QCheckBox::clicked, this,
                [this, k](bool checked) { run([this, k, checked] { editor_.CheckBoxClick(k, checked); }); });
        ShareCheckBoxes.push_back(box);
    }
    holder->setFixedSize(rowsWidth, kRowHeight * static_cast<int>(rows.size()) + 8);
    ScrollBox1->setWidget(holder); // deletes the previous rows
    // The box is as wide as its rows with room for the scroll bar down, so that no row needs one across.
    ScrollBox1->setMinimumWidth(rowsWidth + 2 * ScrollBox1->frameWidth() +
                                ScrollBox1->verticalScrollBar()->sizeHint().width());
    shownRowsVersion_ = editor_.SharedZoneRowsVersion;
}

void TExtFloorForm::refreshControls() {
    const ExtFloorEditor& e = editor_;
    dbmaterialpicture->showRow(e.materialstable);
    dbinsulationpicture->showRow(e.insulationtable);
    DBFloorCoverImage->showRow(e.FloorCoverTable);
    if (e.materialstable.Active()) DBText1->setText(q(e.materialstable.Text("Material Description")));
    if (e.insulationtable.Active()) DBText2->setText(q(e.insulationtable.Text("Insulation Description")));
    if (e.FloorCoverTable.Active())
        DBFloorCoverText->setText(q(e.FloorCoverTable.Text("Material Description")));
    // The dialog takes the size of the panels it shows.
    const bool resize =
        UFPanel->isHidden() == e.UFPanelVisible || VentPanel->isHidden() == e.VentPanelVisible ||
        SharePanel->isHidden() == e.SharePanelVisible || rpanel->isHidden() == e.rpanelVisible;
    UFPanel->setVisible(e.UFPanelVisible);
    VentPanel->setVisible(e.VentPanelVisible);
    showRadio(ExtFloorVent, e.ExtFloorVent);
    showRadio(VentAreaRG, e.VentAreaRG);
    showRadio(ReflectRG, e.ReflectRG);
    showRadio(HeightRG, e.HeightRG);
    showEdit(HEdit, e.HEdit);
    rpanel->setVisible(e.rpanelVisible);
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
    SharePanel->setVisible(e.SharePanelVisible);
    showShareRows();
    if (resize) {
        // The dialog takes the editor's width for the panels it shows, or what its controls need
        // where that is more.
        for (QWidget* child : findChildren<QWidget*>()) child->updateGeometry();
        layout()->invalidate();
        layout()->activate();
        adjustSize();
        this->resize(std::max(e.Width, minimumSizeHint().width()), height());
    }
    for (std::size_t k = 0; k < ShareCheckBoxes.size() && k < e.SharedZoneRows.size(); ++k) {
        QCheckBox* box = ShareCheckBoxes[k];
        const QSignalBlocker blocker(box);
        box->setChecked(e.SharedZoneRows[k].Checked);
        box->setVisible(e.SharedZoneRows[k].CheckBoxVisible);
    }
}

} // namespace pelmora
