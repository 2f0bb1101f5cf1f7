#include "modeller/plan/air_flow_form.h"

#include "modeller/editors/editor_controls.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace pelmora {

namespace {

constexpr int kRateStep = 5; // air changes per hour per position of the rate's up-down

} // namespace

QString SweptAreaText(std::optional<double> percent) {
    return percent ? QString::fromStdString(FixedText(*percent, 0)) : QString("-");
}

TAirFlowForm::TAirFlowForm(HouseModel& model, platform::Services& services, const std::int32_t& currentZone,
                           QWidget* parent)
    : platform::Dialog(services.help, parent), model_(model), currentZone_(currentZone) {
    setObjectName("AirFlowForm");
    setModal(true);
    HelpButton = new platform::SpeedButton("Help", "Help", this);
    HelpButton->setObjectName("HelpButton");
    OKSB = new platform::SpeedButton("OK", "Close accepting changes", this);
    OKSB->setObjectName("OKSB");
    CancelSB = new platform::SpeedButton("Cancel", "Close without changes", this);
    CancelSB->setObjectName("CancelSB");
    ZoneColourPanel = new ColourPanel(this);
    ZoneColourPanel->setObjectName("ZoneColourPanel");
    ZoneColourPanel->setFixedSize(40, 24);
    Panels = new AirMovementPanels(this);
    Panels->SweptAreaLine->show();

    auto* top = new QHBoxLayout;
    top->addWidget(HelpButton);
    top->addWidget(ZoneColourPanel);
    top->addStretch();
    top->addWidget(OKSB);
    top->addWidget(CancelSB);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Panels);
    layout->addStretch();

    AirMovementPanels* p = Panels;
    connect(p->CVUD, &QSpinBox::valueChanged, this, [this] { CVUDClick(); });
    connect(p->ExFanUD, &QSpinBox::valueChanged, this, [this] { ExFanUDClick(); });
    connect(p->DownLightsUD, &QSpinBox::valueChanged, this, [this] { DownLightsUDClick(); });
    connect(p->FanNumUD, &QSpinBox::valueChanged, this, [this] { FanNumUDClick(); });
    connect(p->ACUD, &QSpinBox::valueChanged, this, [this] { ACUDClick(); });
    connect(p->DiameterRG, &platform::RadioGroup::clicked, this, [this] { DiameterRGClick(); });
    connect(p->MechVent, &QCheckBox::clicked, this, [this] { MechVentClick(); });
    connect(OKSB, &QAbstractButton::clicked, this, [this] { OKSBClick(); });
    connect(CancelSB, &QAbstractButton::clicked, this, [this] { CancelSBClick(); });
    connect(HelpButton, &QAbstractButton::clicked, this, [this] { HelpButtonClick(); });
}

int TAirFlowForm::ShowModal() {
    FormShow();
    return exec();
}

void TAirFlowForm::showEvent(QShowEvent* event) {
    platform::Dialog::showEvent(event);
    Panels->DiameterRG->setFocus();
}

void TAirFlowForm::FormShow() {
    const TZoneRec& zone = model_.Zones(currentZone_);
    resize(width(), kHeight);
    setWindowTitle("Air Flow for Z" + QString::number(currentZone_) + "  " +
                   QString::fromStdString(zone.Name));
    Work = AirMovementValues::Of(zone);
    ZoneColourPanel->setColour(zone.Colour);
    Panels->showValues(Work);
    showSweptArea();
}

void TAirFlowForm::showSweptArea() {
    const TZoneRec& zone = model_.Zones(currentZone_);
    Panels->FanArea->setText(
        SweptAreaText(SweptFanAreaPercent(Work.CeilingFanCount, Work.FanDiameter, zone.FloorArea)));
    Panels->FloorAreaLB->setText(QString::fromStdString(FixedText(zone.FloorArea, 1)));
}

void TAirFlowForm::CVUDClick() {
    Work.VentCount = Panels->CVUD->value();
    Panels->CVEB->setText(QString::number(Work.VentCount));
}

void TAirFlowForm::ExFanUDClick() {
    Work.ExhaustFanCount = Panels->ExFanUD->value();
    Panels->ExhaustFanEB->setText(QString::number(Work.ExhaustFanCount));
}

void TAirFlowForm::DownLightsUDClick() {
    Work.DownlightCount = Panels->DownLightsUD->value();
    Panels->DownLightEB->setText(QString::number(Work.DownlightCount));
}

void TAirFlowForm::FanNumUDClick() {
    Work.CeilingFanCount = Panels->FanNumUD->value();
    Panels->FanNumEB->setText(QString::number(Work.CeilingFanCount));
    showSweptArea();
}

void TAirFlowForm::ACUDClick() {
    Work.MechVentRate = Panels->ACUD->value() * kRateStep;
    Panels->ACEB->setText(QString::number(Work.MechVentRate));
}

void TAirFlowForm::DiameterRGClick() {
    const int item = Panels->DiameterRG->itemIndex();
    if (item < 0) return;
    Work.FanDiameter = kFanDiameters[static_cast<std::size_t>(item)];
    showSweptArea();
}

void TAirFlowForm::MechVentClick() {
    Panels->ACPanel->setVisible(Panels->MechVent->isChecked());
}

void TAirFlowForm::OKSBClick() {
    Work.InsectScreens = Panels->InsectCB->isChecked();
    Work.DraughtSeals = Panels->DraughtCB->isChecked();
    Work.UnsealedChimney = Panels->ChimneyCB->isChecked();
    Work.GasHeaterVent = Panels->GasCB->isChecked();
    Work.MechVentOn = Panels->MechVent->isChecked();
    Work.StoreIn(model_.Zones(currentZone_));
    accept();
}

void TAirFlowForm::CancelSBClick() {
    reject();
}

void TAirFlowForm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OKSBClick();
        return;
    case Qt::Key_Escape:
        CancelSBClick();
        return;
    default:
        platform::Dialog::keyPressEvent(event);
    }
}

} // namespace pelmora
