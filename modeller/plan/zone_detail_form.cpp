#include "modeller/plan/zone_detail_form.h"

#include "modeller/platform/message_service.h"

#include "modeller/editors/editor_controls.h"
#include "modeller/plan/air_flow_form.h"
#include "modeller/plan/stair_form.h"
#include "modeller/platform/application.h"

#include <QColorDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <initializer_list>

namespace pelmora {

namespace {

platform::SpeedButton* button(QWidget* parent, const char* name, const char* caption, const char* hint) {
    auto* b = new platform::SpeedButton(caption, hint, parent);
    b->setObjectName(name);
    b->setMinimumWidth(110);
    return b;
}

} // namespace

TZoneDetailForm::TZoneDetailForm(HouseModel& model, platform::Services& services,
                                 const std::int32_t& currentZone, QWidget* parent)
    : platform::Dialog(services.help, parent), model_(model), messages_(services.messages),
      currentZone_(currentZone) {
    setObjectName("ZoneDetailForm");
    setModal(true);
    ZoneNameEdit = new QLineEdit(this);
    ZoneNameEdit->setObjectName("ZoneNameEdit");
    ZoneTypeCB = new QComboBox(this);
    ZoneTypeCB->setObjectName("ZoneTypeCB");
    for (std::string_view name : kZoneTypeNames) ZoneTypeCB->addItem(platform::Utf8(name));
    Hcb = new QCheckBox("Heat", this);
    Hcb->setObjectName("Hcb");
    Ccb = new QCheckBox("Cool", this);
    Ccb->setObjectName("Ccb");
    ZoneColourPanel = new ColourPanel(this);
    ZoneColourPanel->setObjectName("ZoneColourPanel");
    ZoneColourPanel->setFixedSize(40, 24);
    AreaLabel = new QLabel(this);
    AreaLabel->setObjectName("AreaLabel");
    GlassLabel = new QLabel(this);
    GlassLabel->setObjectName("GlassLabel");

    SBFloor = button(this, "SBFloor", "Floor", "Floor to the Outside");
    SBCeiling = button(this, "SBCeiling", "Ceiling", "Ceiling to Roof");
    SBRoof = button(this, "SBRoof", "Roof", "Roof");
    InBetweenFloorButton = button(this, "InBetweenFloorButton", "Ceiling Between", "Ceiling Between Levels");
    IntFloorCoverSB = button(this, "IntFloorCoverSB", "Floor Covering", "Floor Covering Between Levels");
    SBSkylight = button(this, "SBSkylight", "Skylight", "Skylight");
    StairWellSB = button(this, "StairWellSB", "Stairwell", "Stairwell Down");
    SBAirFlow = button(this, "SBAirFlow", "Air Flow", "Air Flow");
    SBZoneInfo = button(this, "SBZoneInfo", "Report", "Detailed Report");
    ApplianceSB = button(this, "ApplianceSB", "Appliances", "Appliances");
    WaterSB = button(this, "WaterSB", "Water", "Water");
    HelpButton = button(this, "HelpButton", "Help", "Help");
    OKSB = button(this, "OKSB", "OK", "Close accepting changes");

    auto* fields = new QFormLayout;
    fields->addRow("Zone Name", ZoneNameEdit);
    fields->addRow("Zone Type", ZoneTypeCB);
    auto* ticks = new QHBoxLayout;
    ticks->addWidget(Hcb);
    ticks->addWidget(Ccb);
    ticks->addStretch();
    ticks->addWidget(new QLabel("Colour", this));
    ticks->addWidget(ZoneColourPanel);
    fields->addRow(ticks);
    fields->addRow(AreaLabel);
    fields->addRow(GlassLabel);
    // Rows of buttons: the elements to the outside, those between levels, and the other dialogs.  A
    // hidden button leaves no gap.
    const auto row = [](std::initializer_list<platform::SpeedButton*> buttons) {
        auto* line = new QHBoxLayout;
        for (platform::SpeedButton* b : buttons) line->addWidget(b);
        line->addStretch();
        return line;
    };
    auto* top = new QHBoxLayout;
    top->addWidget(HelpButton);
    top->addStretch();
    top->addWidget(OKSB);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(fields);
    layout->addLayout(row({SBFloor, SBCeiling, SBRoof, SBSkylight}));
    layout->addLayout(row({InBetweenFloorButton, IntFloorCoverSB, StairWellSB}));
    layout->addLayout(row({SBAirFlow, SBZoneInfo, ApplianceSB, WaterSB}));

    ColorDialog1 = [this](std::int32_t current) -> std::optional<std::int32_t> {
        const QColor chosen = QColorDialog::getColor(ColourOf(current), this, "Colour");
        if (!chosen.isValid()) return std::nullopt;
        return Rgb(chosen.red(), chosen.green(), chosen.blue());
    };

    const auto on = [this](platform::SpeedButton* b, void (TZoneDetailForm::*handler)()) {
        connect(b, &QAbstractButton::clicked, this,
                platform::guarded(messages_, [this, handler] { (this->*handler)(); }));
    };
    on(SBFloor, &TZoneDetailForm::SBFloorClick);
    on(SBCeiling, &TZoneDetailForm::SBCeilingClick);
    on(SBRoof, &TZoneDetailForm::SBRoofClick);
    on(InBetweenFloorButton, &TZoneDetailForm::InBetweenFloorButtonClick);
    on(IntFloorCoverSB, &TZoneDetailForm::IntFloorCoverSBClick);
    on(SBSkylight, &TZoneDetailForm::SBSkylightClick);
    on(StairWellSB, &TZoneDetailForm::StairWellSBClick);
    on(SBAirFlow, &TZoneDetailForm::SBAirFlowClick);
    on(SBZoneInfo, &TZoneDetailForm::SBZoneInfoClick);
    on(ApplianceSB, &TZoneDetailForm::ApplianceSBClick);
    on(WaterSB, &TZoneDetailForm::WaterSBClick);
    on(OKSB, &TZoneDetailForm::OKSBClick);
    on(HelpButton, &TZoneDetailForm::HelpButtonClick);
    connect(ZoneTypeCB, &QComboBox::activated, this, [this] { ZoneTypeCBChange(); });
    connect(ZoneColourPanel, &ColourPanel::clicked, this, [this] { ZoneColourPanelClick(); });
}

int TZoneDetailForm::ShowModal() {
    FormShow();
    return exec();
}

void TZoneDetailForm::FormShow() {
    const TZoneRec& zone = model_.Zones(currentZone_);
    setWindowTitle("Details for Zone " + QString::number(currentZone_) + "  " +
                   QString::fromStdString(zone.Name));
    // A dialog closed by its window's close box hands back the colour the zone has.
    ZoneDetailColour = zone.Colour;
    panelColour_ = zone.Colour;
    ZoneColourPanel->setColour(zone.Colour);
    {
        const QSignalBlocker block(ZoneTypeCB);
        ZoneTypeCB->setCurrentIndex(zone.ZoneType >= 0 && zone.ZoneType < kZoneTypeCount ? zone.ZoneType
                                                                                         : -1);
    }
    ZoneNameEdit->setText(QString::fromStdString(zone.Name));
    Hcb->setChecked(zone.Heated);
    Ccb->setChecked(zone.Cooled);
    AreaLabel->setText("Floor Area " + QString::fromStdString(FixedText(zone.FloorArea, 1)) + " m\u00b2");
    const std::optional<double> ratio = GlassToFloorRatio(model_, currentZone_);
    GlassLabel->setText("Glass to Floor Ratio " +
                        (ratio ? QString::fromStdString(FixedText(*ratio, 1)) : QString("-")) + " %");
    ShowButtons();
}

void TZoneDetailForm::ShowButtons() {
    const ZoneElementButtons b = ElementButtonsFor(model_, currentZone_);
    const auto place = [](platform::SpeedButton* button, bool shown, bool available) {
        button->setVisible(shown);
        button->setEnabled(available);
    };
    place(SBFloor, b.Floor, ExtFloorForm != nullptr);
    place(SBCeiling, b.Ceiling, CeilingForm != nullptr);
    place(SBRoof, b.Roof, RoofForm != nullptr);
    place(SBSkylight, b.Skylight, SkylightForm != nullptr);
    place(InBetweenFloorButton, b.InBetweenFloor, IntCeilingForm != nullptr);
    place(IntFloorCoverSB, b.FloorCover, FloorCoverForm != nullptr);
    place(StairWellSB, b.StairWell, StairForm != nullptr);
    SBAirFlow->setEnabled(AirFlowForm != nullptr);
    SBZoneInfo->setEnabled(static_cast<bool>(ShowDetailedReport));
    ApplianceSB->setEnabled(ApplianceForm != nullptr);
    WaterSB->setEnabled(WaterForm != nullptr);
}

void TZoneDetailForm::ZoneTypeCBChange() {
    const int type = ZoneTypeCB->currentIndex();
    panelColour_ = ZoneDetailTypeColour(type);
    ZoneColourPanel->setColour(panelColour_);
    const bool conditioned = ConditionedForRating(type);
    Hcb->setChecked(conditioned);
    Ccb->setChecked(conditioned);
}

void TZoneDetailForm::ZoneColourPanelClick() {
    if (!ColorDialog1) return;
    if (const auto chosen = ColorDialog1(panelColour_)) {
        panelColour_ = *chosen;
        ZoneColourPanel->setColour(panelColour_);
    }
}

void TZoneDetailForm::OKSBClick() {
    TZoneRec& zone = model_.Zones(currentZone_);
    ZoneDetailColour = panelColour_;
    if (ZoneTypeCB->currentIndex() >= 0) zone.ZoneType = ZoneTypeCB->currentIndex();
    zone.Name = cutToLength(ZoneNameEdit->text().toStdString(), kZoneNameLength);
    zone.Heated = Hcb->isChecked();
    zone.Cooled = Ccb->isChecked();
    accept();
}

void TZoneDetailForm::openEditor(ElementEditorForm* editor) {
    if (editor) editor->ShowModal();
}

void TZoneDetailForm::SBFloorClick() {
    openEditor(ExtFloorForm);
}

void TZoneDetailForm::SBCeilingClick() {
    openEditor(CeilingForm);
}

void TZoneDetailForm::SBRoofClick() {
    openEditor(RoofForm);
}

void TZoneDetailForm::InBetweenFloorButtonClick() {
    openEditor(IntCeilingForm);
}

void TZoneDetailForm::IntFloorCoverSBClick() {
    openEditor(FloorCoverForm);
}

void TZoneDetailForm::SBSkylightClick() {
    openEditor(SkylightForm);
}

void TZoneDetailForm::StairWellSBClick() {
    if (StairForm) StairForm->ShowModal();
}

void TZoneDetailForm::SBAirFlowClick() {
    if (AirFlowForm) AirFlowForm->ShowModal();
}

void TZoneDetailForm::SBZoneInfoClick() {
    if (ShowDetailedReport) ShowDetailedReport();
}

void TZoneDetailForm::ApplianceSBClick() {
    if (ApplianceForm) ApplianceForm->exec();
}

void TZoneDetailForm::WaterSBClick() {
    if (WaterForm) WaterForm->exec();
}

void TZoneDetailForm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        OKSBClick();
        return;
    default:
        platform::Dialog::keyPressEvent(event);
    }
}

} // namespace pelmora
