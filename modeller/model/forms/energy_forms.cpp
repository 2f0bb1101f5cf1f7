#include "modeller/model/forms/energy_forms.h"

#include "modeller/model/forms/zone_panel.h"
#include "modeller/platform/application.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTabBar>
#include <QVBoxLayout>

namespace pelmora {

namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

platform::SpeedButton* speedButton(QWidget* parent, const char* name, const QString& caption,
                                   const QString& hint) {
    auto* b = new platform::SpeedButton(caption, hint, parent);
    b->setObjectName(name);
    return b;
}

// The profile panel: its label, and boxes for power and hours of use that the program neither
// fills nor reads.  `totals` adds the daily totals of the non-zonal dialog.
QFrame* profilePanel(QWidget* parent, QLabel*& label, bool totals) {
    auto* panel = new QFrame(parent);
    panel->setObjectName("ProfilePanel");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    // The dialog keeps the panel's room while it is hidden, so showing it moves nothing.
    QSizePolicy policy = panel->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    panel->setSizePolicy(policy);
    label = new QLabel(panel);
    label->setObjectName("ProfileLabel");
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    auto* form = new QFormLayout;
    const auto boxWithUpDown = [panel](const char* name) {
        auto* row = new QHBoxLayout;
        row->addWidget(profileBox(panel, name));
        row->addWidget(new platform::UpDown(0, 10000, panel));
        row->addStretch();
        return row;
    };
    form->addRow("Power (W)", boxWithUpDown("PowerEdit"));
    form->addRow("Time on (hours)", boxWithUpDown("TimeOnEdit"));
    form->addRow("Hours per week", profileBox(panel, "HoursPerWeekEdit"));
    if (totals) {
        form->addRow("Daily Energy (Wh)", profileBox(panel, "DailyEnergyEdit"));
        form->addRow("Daily Non Zonal (Wh)", profileBox(panel, "DailyNonZonalEdit"));
        form->addRow("Daily Sector Total (Wh)", profileBox(panel, "DailySectorEdit"));
    }
    // The hours of the day in which the appliance runs.
    auto* hours = new QGridLayout;
    hours->setHorizontalSpacing(4);
    hours->setVerticalSpacing(1);
    for (int h = 1; h <= 24; ++h) {
        const int clock = (h - 1) % 12 + 1;
        const int column = (h - 1) % 12;
        const int row = (h - 1) / 12 * 2;
        auto* hour = new QLabel(clock == 1 ? QString("0-1") : QString::number(clock), panel);
        hours->addWidget(hour, row, column, Qt::AlignCenter);
        hours->addWidget(new QCheckBox(panel), row + 1, column, Qt::AlignCenter);
    }
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(label);
    layout->addLayout(form);
    layout->addWidget(new QLabel("Hours of use, am and pm", panel));
    layout->addLayout(hours);
    layout->addStretch();
    return panel;
}

} // namespace

// ---- Pages and profile panel ---------------------------------------------------------------------

QTabWidget* UsageProfile::buildPages(QWidget* parent, std::span<const TUsagePage> pages,
                                     UsageButtons& buttons) {
    auto* control = new QTabWidget(parent);
    control->setObjectName("PageControl1");
    for (const TUsagePage& page : pages) {
        auto* sheet = new QWidget(control);
        auto* grid = new QGridLayout(sheet);
        grid->setSpacing(2);
        int n = 0;
        for (const TUsageButton& button : page.Buttons) {
            auto* b = new platform::SpeedButton(text(button.Caption), text(button.Caption), sheet);
            b->setMinimumWidth(120);
            grid->addWidget(b, n % 6, n / 6);
            ++n;
            buttons.push_back(b);
            if (button.Shows.empty()) continue; // a button without an action
            connect(b, &QAbstractButton::clicked, this,
                    [this, shows = button.Shows] { UsageButtonClick(shows); });
        }
        grid->setRowStretch(6, 1);
        grid->setColumnStretch(3, 1);
        control->addTab(sheet, text(page.Caption));
    }
    connect(control, &QTabWidget::currentChanged, this, [this](int) { Clear(); });
    // Every page's tab in sight.
    control->setMinimumWidth(control->tabBar()->sizeHint().width() + 12);
    return control;
}

void UsageProfile::UsageButtonClick(std::string_view shows) {
    model_.UsageCaption = std::string(shows);
    label_.setText(QString::fromStdString(model_.UsageCaption));
    panel_.setVisible(true);
}

void UsageProfile::Clear() {
    label_.clear();
    panel_.setVisible(false);
}

void UsageProfile::clearOnEntering(QWidget* area) {
    connect(qApp, &QApplication::focusChanged, this, [this, area](QWidget* old, QWidget* now) {
        const auto inside = [area](QWidget* w) { return w && (w == area || area->isAncestorOf(w)); };
        if (inside(now) && !inside(old)) Clear();
    });
}

// ---- A zone's appliances -------------------------------------------------------------------------

TApplianceForm::TApplianceForm(HouseModel& model, platform::Services& services,
                               const std::int32_t& currentZone, QWidget* parent)
    : ZoneUsageDialog(model, services, currentZone, parent) {
    setObjectName("ApplianceForm");
    setWindowTitle(kCaption);
    ProfilePanel = profilePanel(this, ProfileLabel, false);
    profile_ = new UsageProfile(model, *ProfileLabel, *ProfilePanel, this);
    PageControl1 = profile_->buildPages(this, ApplianceUsagePages(), UsageSB);
    profile_->clearOnEntering(PageControl1);
    OpenFileSB = speedButton(this, "OpenFileSB", "Open", "Open File");
    SaveFileSB = speedButton(this, "SaveFileSB", "Save", "Save File");
    HelpSB = speedButton(this, "HelpSB", "Help", "Help");
    AnalysisSB = speedButton(this, "AnalysisSB", "Analysis", "Analyse the energy use");
    NonZonalSB = speedButton(this, "NonZonalSB", "Non Zonal", "Energy used outside the zones");
    OKSB = speedButton(this, "OKSB", "  OK", "Close");

    auto* middle = new QHBoxLayout;
    middle->addWidget(PageControl1, 1);
    middle->addWidget(ProfilePanel);
    auto* bottom = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{OpenFileSB, SaveFileSB, AnalysisSB, NonZonalSB})
        bottom->addWidget(w);
    bottom->addStretch();
    bottom->addWidget(HelpSB);
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

void TApplianceForm::FormShow() {
    ProfilePanel->setVisible(false);
    ZoneUsageDialog::FormShow();
}

void TApplianceForm::NonZonalSBClick() {
    // Shown beside this dialog, both usable at once.
    if (!NonZonalEnergyForm) return;
    NonZonalEnergyForm->show();
    NonZonalEnergyForm->raise();
}

void TApplianceForm::OKSBClick() {
    if (NonZonalEnergyForm) NonZonalEnergyForm->close();
    accept();
}

// ---- Energy used outside the zones ---------------------------------------------------------------

TNonZonalEnergyForm::TNonZonalEnergyForm(HouseModel& model, platform::Services& services, QWidget* parent)
    : UsageDialog(services.help, parent) {
    setObjectName("NonZonalEnergyForm");
    setWindowTitle(kCaption);
    ProfilePanel = profilePanel(this, ProfileLabel, true);
    ProfileLabel->setText(kDesignedLabel);
    profile_ = new UsageProfile(model, *ProfileLabel, *ProfilePanel, this);
    PageControl1 = profile_->buildPages(this, NonZonalEnergyPages(), UsageSB);
    for (int page = 0; page < PageControl1->count(); ++page)
        if (PageControl1->tabText(page) == "Petrol/Diesel")
            profile_->clearOnEntering(PageControl1->widget(page));
    OpenFileSB = speedButton(this, "OpenFileSB", "Open", "Open File");
    SaveFileSB = speedButton(this, "SaveFileSB", "Save", "Save File");
    HelpSB = speedButton(this, "HelpSB", "Help", "Help");
    OKSB = speedButton(this, "OKSB", "  OK", "Close");

    auto* middle = new QHBoxLayout;
    middle->addWidget(PageControl1, 1);
    middle->addWidget(ProfilePanel);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(OpenFileSB);
    bottom->addWidget(SaveFileSB);
    bottom->addStretch();
    bottom->addWidget(HelpSB);
    bottom->addWidget(OKSB);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NotSimulatedNote(this, usage_text::kUsageNotSimulated));
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);
    connect(OKSB, &QAbstractButton::clicked, this, [this] { OKSBClick(); });
}

} // namespace pelmora
