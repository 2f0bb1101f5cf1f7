#include "modeller/plan/new_zone_form.h"

#include "modeller/platform/message_service.h"

#include <QColorDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace pelmora {

namespace {

constexpr int kRateStep = 5; // air changes per hour per position of the rate's up-down

} // namespace

TNewZoneForm::TNewZoneForm(HouseModel& model, MaterialPalette& palette, platform::Services& services,
                           const std::int32_t& currentZone, QWidget* parent)
    : platform::Dialog(services.help, parent), model_(model), palette_(palette), currentZone_(currentZone) {
    setObjectName("NewZoneForm");
    setModal(true);
    ZoneNameEdit = new QLineEdit(this);
    ZoneNameEdit->setObjectName("ZoneNameEdit");
    ZoneNameEdit->setMaxLength(static_cast<int>(kNewZoneNameLength));
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
    HelpButton = new platform::SpeedButton("Help", "Help", this);
    HelpButton->setObjectName("HelpButton");
    OKSB = new platform::SpeedButton("OK", "Close accepting changes", this);
    OKSB->setObjectName("OKSB");
    CancelSB = new platform::SpeedButton("Cancel", "Close without changes", this);
    CancelSB->setObjectName("CancelSB");

    VentExpandPanel = new QFrame(this);
    VentExpandPanel->setObjectName("VentExpandPanel");
    ExpandImage = new platform::ClickableLabel("\u25bc", VentExpandPanel);
    ExpandImage->setObjectName("ExpandImage");
    auto* bar = new QHBoxLayout(VentExpandPanel);
    bar->setContentsMargins(4, 2, 4, 2);
    bar->addWidget(new QLabel("Air Flow", VentExpandPanel));
    bar->addStretch();
    bar->addWidget(ExpandImage);
    Panels = new AirMovementPanels(this);
    ContractImage = new platform::ClickableLabel("\u25b2", Panels->NaturalPanel);
    ContractImage->setObjectName("ContractImage");
    Panels->NaturalPanel->layout()->addWidget(ContractImage);

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
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(HelpButton);
    buttons->addStretch();
    buttons->addWidget(OKSB);
    buttons->addWidget(CancelSB);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addLayout(fields);
    layout->addWidget(VentExpandPanel);
    layout->addWidget(Panels);
    layout->addStretch();

    ColorDialog1 = [this](std::int32_t current) -> std::optional<std::int32_t> {
        const QColor chosen = QColorDialog::getColor(ColourOf(current), this, "Colour");
        if (!chosen.isValid()) return std::nullopt;
        return Rgb(chosen.red(), chosen.green(), chosen.blue());
    };

    AirMovementPanels* p = Panels;
    connect(ZoneTypeCB, &QComboBox::activated, this, [this] { ZoneTypeCBChange(); });
    connect(ZoneNameEdit, &QLineEdit::textEdited, this, [this] { nameEdited_ = true; });
    connect(ExpandImage, &platform::ClickableLabel::clicked, this, [this] { ExpandImageClick(); });
    connect(ContractImage, &platform::ClickableLabel::clicked, this, [this] { ContractImageClick(); });
    connect(p->CVUD, &QSpinBox::valueChanged, this, [this] { CVUDClick(); });
    connect(p->ExFanUD, &QSpinBox::valueChanged, this, [this] { ExFanUDClick(); });
    connect(p->DownLightsUD, &QSpinBox::valueChanged, this, [this] { DownLightsUDClick(); });
    connect(p->DownLightEB, &platform::EditBox::changed, this, [this] { DownLightEBChange(); });
    connect(p->FanNumUD, &QSpinBox::valueChanged, this, [this] { FanNumUDClick(); });
    connect(p->ACUD, &QSpinBox::valueChanged, this, [this] { ACUDClick(); });
    connect(p->DiameterRG, &platform::RadioGroup::clicked, this, [this] { DiameterRGClick(); });
    connect(p->MechVent, &QCheckBox::clicked, this, [this] { MechVentClick(); });
    connect(ZoneColourPanel, &ColourPanel::clicked, this, [this] { ZoneColourPanelClick(); });
    connect(OKSB, &QAbstractButton::clicked, this, [this] { OKSBClick(); });
    connect(CancelSB, &QAbstractButton::clicked, this, [this] { CancelSBClick(); });
    connect(HelpButton, &QAbstractButton::clicked, this, [this] { HelpButtonClick(); });
}

bool TNewZoneForm::ShowModal() {
    FormShow();
    exec();
    return NewZoneArmed;
}

void TNewZoneForm::FormShow() {
    NewZoneArmed = false;
    ContractImageClick();
    setWindowTitle("New Zone Number " + QString::number(currentZone_));
    Work = AirMovementValues::NewZoneDefaults(model_.NewZoneOptions);
    Panels->showValues(Work);
    {
        const QSignalBlocker block(ZoneTypeCB);
        ZoneTypeCB->setCurrentIndex(0);
    }
    model_.WorkZoneType = 0;
    nameEdited_ = false;
    ZoneTypeCBChange();
    ZoneNameEdit->setFocus();
}

void TNewZoneForm::CalcNextZoneName(int zoneType) {
    const ZoneProposal proposal = ProposeZone(model_, zoneType);
    // A name the user typed is kept: the type only proposes one while the box holds the proposal.
    if (!nameEdited_) {
        NewZoneName = proposal.Name;
        ZoneNameEdit->setText(QString::fromStdString(NewZoneName));
    }
    NewZoneColour = proposal.Colour;
    ZoneColourPanel->setColour(NewZoneColour);
}

void TNewZoneForm::ZoneTypeCBChange() {
    const int type = ZoneTypeCB->currentIndex();
    model_.WorkZoneType = type;
    CalcNextZoneName(type);
    // A diameter that is none of the offered ones leaves the choice as it stands.
    if (const int item = FanDiameterItem(Work.FanDiameter); item >= 0) {
        const QSignalBlocker block(Panels->DiameterRG);
        Panels->DiameterRG->setItemIndex(item);
    }
    const bool conditioned = ConditionedForRating(type);
    Hcb->setChecked(conditioned);
    Ccb->setChecked(conditioned);
}

void TNewZoneForm::setExpanded(bool expanded) {
    VentExpandPanel->setVisible(!expanded);
    Panels->NaturalPanel->setVisible(expanded);
    Panels->InfiltrationPanel->setVisible(expanded);
    Panels->ForcedPanel->setVisible(expanded);
    Panels->setVisible(expanded);
    // The layout's least height follows the panels shown before the dialog takes its height.
    layout()->invalidate();
    layout()->activate();
    resize(width(), std::max(minimumSizeHint().height(), expanded ? kExpandedHeight : kCollapsedHeight));
}

void TNewZoneForm::ExpandImageClick() {
    setExpanded(true);
}

void TNewZoneForm::ContractImageClick() {
    setExpanded(false);
}

void TNewZoneForm::CVUDClick() {
    palette_.Close();
    Work.VentCount = Panels->CVUD->value();
    Panels->CVEB->setText(QString::number(Work.VentCount));
}

void TNewZoneForm::ExFanUDClick() {
    palette_.Close();
    Work.ExhaustFanCount = Panels->ExFanUD->value();
    Panels->ExhaustFanEB->setText(QString::number(Work.ExhaustFanCount));
}

void TNewZoneForm::DownLightsUDClick() {
    palette_.Close();
    Work.DownlightCount = Panels->DownLightsUD->value();
    Panels->DownLightEB->setText(QString::number(Work.DownlightCount));
}

void TNewZoneForm::DownLightEBChange() {
    Work.DownlightCount = Panels->DownLightsUD->value();
}

void TNewZoneForm::FanNumUDClick() {
    palette_.Close();
    Work.CeilingFanCount = Panels->FanNumUD->value();
    Panels->FanNumEB->setText(QString::number(Work.CeilingFanCount));
}

void TNewZoneForm::DiameterRGClick() {
    const int item = Panels->DiameterRG->itemIndex();
    if (item < 0) return;
    Work.FanDiameter = kFanDiameters[static_cast<std::size_t>(item)];
}

void TNewZoneForm::ACUDClick() {
    palette_.Close();
    Work.MechVentRate = Panels->ACUD->value() * kRateStep;
    Panels->ACEB->setText(QString::number(Work.MechVentRate));
}

void TNewZoneForm::MechVentClick() {
    palette_.Close();
    Panels->ACPanel->setVisible(Panels->MechVent->isChecked());
}

void TNewZoneForm::ZoneColourPanelClick() {
    if (!ColorDialog1) return;
    if (const auto chosen = ColorDialog1(NewZoneColour)) {
        NewZoneColour = *chosen;
        ZoneColourPanel->setColour(NewZoneColour);
    }
}

void TNewZoneForm::OKSBClick() {
    NewZoneArmed = true;
    model_.WorkZoneType = ZoneTypeCB->currentIndex();
    NewZoneName = cutToLength(ZoneNameEdit->text().toStdString(), kNewZoneNameLength);
    TZoneRec& zone = model_.Zones(currentZone_);
    zone.Colour = NewZoneColour;
    zone.Name = cutToLength(NewZoneName, kZoneNameLength);
    zone.ZoneType = model_.WorkZoneType;
    Work.InsectScreens = Panels->InsectCB->isChecked();
    Work.DraughtSeals = Panels->DraughtCB->isChecked();
    Work.UnsealedChimney = Panels->ChimneyCB->isChecked();
    Work.GasHeaterVent = Panels->GasCB->isChecked();
    Work.MechVentOn = Panels->MechVent->isChecked();
    Work.StoreIn(zone);
    zone.Heated = Hcb->isChecked();
    zone.Cooled = Ccb->isChecked();
    palette_.Close();
    accept();
}

void TNewZoneForm::CancelSBClick() {
    NewZoneArmed = false;
    palette_.Close();
    reject();
}

void TNewZoneForm::keyPressEvent(QKeyEvent* event) {
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
