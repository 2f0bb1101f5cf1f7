#include "modeller/plan/air_movement_panels.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace pelmora {

namespace {

constexpr int kMaxCount = 10;        // vents, fans and downlights each
constexpr int kMaxRatePosition = 50; // the mechanical rate's up-down; the rate is 5 x the position

platform::EditBox* countBox(QWidget* parent, const char* name) {
    auto* box = new platform::EditBox(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFixedWidth(40);
    return box;
}

platform::UpDown* upDown(QWidget* parent, const char* name, int maximum) {
    auto* ud = new platform::UpDown(0, maximum, parent);
    ud->setObjectName(name);
    return ud;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const char* caption) {
    auto* cb = new QCheckBox(caption, parent);
    cb->setObjectName(name);
    return cb;
}

void addCountRow(QGridLayout* grid, int row, const char* caption, platform::EditBox* box,
                 platform::UpDown* ud) {
    grid->addWidget(new QLabel(caption), row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(ud, row, 2);
}

} // namespace

AirMovementPanels::AirMovementPanels(QWidget* parent) : QWidget(parent) {
    NaturalPanel = new QGroupBox("   Natural ventilation", this);
    InsectCB = checkBox(NaturalPanel, "InsectCB", "Insect screens");
    // One line: a dialog may add its own control at the line's end.
    auto* natural = new QHBoxLayout(NaturalPanel);
    natural->addWidget(InsectCB);
    natural->addStretch(1);

    InfiltrationPanel = new QGroupBox("   Infiltration", this);
    DraughtCB = checkBox(InfiltrationPanel, "DraughtCB", "Draught seals to all doors and windows");
    ChimneyCB = checkBox(InfiltrationPanel, "ChimneyCB", "Unsealed chimney");
    GasCB = checkBox(InfiltrationPanel, "GasCB", "Vent for unflued gas heater");
    CVEB = countBox(InfiltrationPanel, "CVEB");
    CVUD = upDown(InfiltrationPanel, "CVUD", kMaxCount);
    ExhaustFanEB = countBox(InfiltrationPanel, "ExhaustFanEB");
    ExFanUD = upDown(InfiltrationPanel, "ExFanUD", kMaxCount);
    DownLightEB = countBox(InfiltrationPanel, "DownLightEB");
    DownLightsUD = upDown(InfiltrationPanel, "DownLightsUD", kMaxCount);
    auto* infiltration = new QGridLayout(InfiltrationPanel);
    infiltration->addWidget(DraughtCB, 0, 0, 1, 3);
    infiltration->addWidget(ChimneyCB, 1, 0, 1, 3);
    infiltration->addWidget(GasCB, 2, 0, 1, 3);
    addCountRow(infiltration, 3, "Wall or ceiling vents", CVEB, CVUD);
    addCountRow(infiltration, 4, "Unsealed exhaust fans", ExhaustFanEB, ExFanUD);
    addCountRow(infiltration, 5, "Vented downlights", DownLightEB, DownLightsUD);

    ForcedPanel = new QGroupBox("   Forced air movement", this);
    FanNumEB = countBox(ForcedPanel, "FanNumEB");
    FanNumUD = upDown(ForcedPanel, "FanNumUD", kMaxCount);
    // The three diameters side by side.
    DiameterRG = new platform::RadioGroup("Diameter  mm", {"900", "1200", "1400"}, ForcedPanel, 3);
    DiameterRG->setObjectName("DiameterRG");
    SweptAreaLine = new QWidget(ForcedPanel);
    FanArea = new QLabel(SweptAreaLine);
    FanArea->setObjectName("FanArea");
    FloorAreaLB = new QLabel(SweptAreaLine);
    FloorAreaLB->setObjectName("FloorAreaLB");
    auto* swept = new QHBoxLayout(SweptAreaLine);
    swept->setContentsMargins(0, 0, 0, 0);
    swept->addWidget(new QLabel("Swept Fan Area", SweptAreaLine));
    swept->addWidget(FanArea);
    swept->addWidget(new QLabel("% of floor area", SweptAreaLine));
    swept->addWidget(FloorAreaLB);
    swept->addWidget(new QLabel("m\u00b2", SweptAreaLine));
    swept->addStretch();
    SweptAreaLine->hide();
    auto* forced = new QGridLayout(ForcedPanel);
    addCountRow(forced, 0, "Number of ceiling fans", FanNumEB, FanNumUD);
    forced->addWidget(DiameterRG, 1, 0, 1, 3);
    forced->addWidget(SweptAreaLine, 2, 0, 1, 3);

    MechPanel = new QGroupBox("   Mechanical ventilation", this);
    MechVent = checkBox(MechPanel, "MechVent", "Mechanical ventilation");
    ACPanel = new QWidget(MechPanel);
    ACPanel->setObjectName("ACPanel");
    ACEB = countBox(ACPanel, "ACEB");
    ACUD = upDown(ACPanel, "ACUD", kMaxRatePosition);
    auto* ac = new QHBoxLayout(ACPanel);
    ac->setContentsMargins(0, 0, 0, 0);
    ac->addWidget(ACEB);
    ac->addWidget(ACUD);
    ac->addWidget(new QLabel("AC/h", ACPanel));
    auto* mech = new QVBoxLayout(MechPanel);
    mech->addWidget(MechVent);
    mech->addWidget(ACPanel);
    MechPanel->hide(); // never offered: a zone keeps its mechanical ventilation values

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(NaturalPanel);
    layout->addWidget(InfiltrationPanel);
    layout->addWidget(ForcedPanel);
    layout->addWidget(MechPanel);
}

void AirMovementPanels::showCount(platform::UpDown* upDown, platform::EditBox* box, int count) {
    const QSignalBlocker blockUpDown(upDown);
    const QSignalBlocker blockBox(box);
    upDown->setValue(count);
    box->setText(QString::number(count));
}

void AirMovementPanels::showValues(const AirMovementValues& v) {
    for (QCheckBox* cb : {InsectCB, DraughtCB, ChimneyCB, GasCB, MechVent}) cb->blockSignals(true);
    InsectCB->setChecked(v.InsectScreens);
    DraughtCB->setChecked(v.DraughtSeals);
    ChimneyCB->setChecked(v.UnsealedChimney);
    GasCB->setChecked(v.GasHeaterVent);
    MechVent->setChecked(v.MechVentOn);
    for (QCheckBox* cb : {InsectCB, DraughtCB, ChimneyCB, GasCB, MechVent}) cb->blockSignals(false);
    showCount(CVUD, CVEB, v.VentCount);
    showCount(ExFanUD, ExhaustFanEB, v.ExhaustFanCount);
    showCount(DownLightsUD, DownLightEB, v.DownlightCount);
    showCount(FanNumUD, FanNumEB, v.CeilingFanCount);
    // The rate's up-down and box both show the rate as it is stored.
    showCount(ACUD, ACEB, v.MechVentRate);
    ACPanel->setVisible(v.MechVentOn);
    const QSignalBlocker blockDiameter(DiameterRG);
    DiameterRG->setItemIndex(-1);
    DiameterRG->setItemIndex(FanDiameterItem(v.FanDiameter));
}

} // namespace pelmora
