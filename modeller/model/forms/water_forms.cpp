#include "modeller/model/forms/water_forms.h"

#include "modeller/model/forms/zone_panel.h"
#include "modeller/model/usage_buttons.h"
#include "modeller/platform/application.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace pelmora {

namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

platform::SpeedButton* closeButton(QWidget* parent) {
    auto* b = new platform::SpeedButton("  OK", "Close", parent);
    b->setObjectName("OKSB");
    return b;
}

} // namespace

QWidget* usageButtonColumn(QWidget* parent, std::span<const std::string_view> captions,
                           UsageButtons& buttons) {
    auto* column = new QWidget(parent);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    for (std::string_view caption : captions) {
        auto* b = new platform::SpeedButton(text(caption), text(caption), column);
        b->setMinimumWidth(150);
        layout->addWidget(b);
        buttons.push_back(b);
    }
    layout->addStretch();
    return column;
}

platform::EditBox* profileBox(QWidget* parent, const QString& name) {
    auto* box = new platform::EditBox(parent);
    box->setObjectName(name);
    box->setFixedWidth(70);
    return box;
}

// ---- A zone's water use --------------------------------------------------------------------------

TWaterForm::TWaterForm(HouseModel& model, platform::Services& services, const std::int32_t& currentZone,
                       QWidget* parent)
    : ZoneUsageDialog(model, services, currentZone, parent) {
    setObjectName("WaterForm");
    setWindowTitle(kCaption);
    auto* buttons = usageButtonColumn(this, WaterUsageButtons(), UsageSB);
    ProfilePanel = new QFrame(this);
    ProfilePanel->setObjectName("ProfilePanel");
    ProfilePanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* profile = new QFormLayout(ProfilePanel);
    profile->addRow(new QLabel("Hand Basin", ProfilePanel));
    profile->addRow("Minutes per week", profileBox(ProfilePanel, "MinutesEdit"));
    profile->addRow("Rate (l/m)", profileBox(ProfilePanel, "RateEdit"));
    profile->addRow("Daily Consumption (l)", profileBox(ProfilePanel, "DailyEdit"));
    NonZonalSB = new platform::SpeedButton("Non Zonal", "Water used outside the zones", this);
    NonZonalSB->setObjectName("NonZonalSB");
    OKSB = closeButton(this);

    auto* middle = new QHBoxLayout;
    middle->addWidget(buttons);
    middle->addWidget(ProfilePanel, 1, Qt::AlignTop);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(NonZonalSB);
    bottom->addStretch();
    bottom->addWidget(OKSB);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NotSimulatedNote(this, usage_text::kUsageNotSimulated));
    layout->addWidget(ZoneInfo);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);

    connect(NonZonalSB, &QAbstractButton::clicked, this,
            platform::guarded(services.messages, [this] { NonZonalSBClick(); }));
    connect(OKSB, &QAbstractButton::clicked, this, [this] { OKSBClick(); });
}

void TWaterForm::NonZonalSBClick() {
    if (NonZonalWaterForm) NonZonalWaterForm->exec();
}

// ---- Water used outside the zones ----------------------------------------------------------------

TNonZonalWaterForm::TNonZonalWaterForm(platform::Services& services, QWidget* parent)
    : UsageDialog(services.help, parent) {
    setObjectName("NonZonalWaterForm");
    setWindowTitle(kCaption);
    setModal(true);
    OKSB = closeButton(this);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(OKSB);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(usageButtonColumn(this, NonZonalWaterUsageButtons(), UsageSB));
    layout->addLayout(bottom);
    connect(OKSB, &QAbstractButton::clicked, this, [this] { accept(); });
}

} // namespace pelmora
