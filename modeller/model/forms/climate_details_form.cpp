#include "modeller/model/forms/climate_details_form.h"

#include "modeller/model/forms/climate_summary_form.h"
#include "modeller/model/forms/location_form.h"
#include "modeller/model/forms/location_search_forms.h"
#include "modeller/platform/application.h"
#include "modeller/platform/charts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStackedBarSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <exception>

namespace pelmora {

namespace {

const char* const kMonthInitials[12] = {"J", "F", "M", "A", "M", "J", "J", "A", "S", "O", "N", "D"};
constexpr double kAxisStep = 5.0;
const QColor kMinimumColour(Qt::blue);
const QColor kRangeColour(220, 40, 40);
const QColor kHumidityColour(Qt::blue);
const QColor kRadiationColour(240, 160, 0);

QChartView* chartView(QWidget* parent, const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->hide();
    auto* view = new QChartView(chart, parent);
    view->setMinimumSize(380, 300);
    return view;
}

QBarSet* barSet(const QString& name, const MonthlyValues& values, const QColor& colour) {
    auto* set = new QBarSet(name);
    for (int m = 1; m <= 12; ++m) set->append(values(m));
    set->setColor(colour);
    set->setBorderColor(colour);
    return set;
}

// Replaces the chart's series and axes with one series of bars over the months.
void showBars(QChartView& view, QAbstractBarSeries* series, ChartScale scale, const QString& unit) {
    QChart* chart = view.chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    chart->addSeries(series);
    // A category axis keeps one of equal names, so a repeated initial carries zero-width spaces.
    QStringList initials;
    for (const char* initial : kMonthInitials) {
        QString label(initial);
        while (initials.contains(label)) label += QChar(0x200B);
        initials << label;
    }
    auto* months = new QBarCategoryAxis;
    months->append(initials);
    chart->addAxis(months, Qt::AlignBottom);
    series->attachAxis(months);
    auto* values = new QValueAxis;
    values->setRange(scale.minimum, scale.maximum);
    values->setTickCount(static_cast<int>((scale.maximum - scale.minimum) / kAxisStep) + 1);
    values->setTitleText(unit);
    values->setLabelFormat("%.0f");
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
    platform::KeepAxisTitlesWhole(view);
}

} // namespace

TClimateDetailsForm::TClimateDetailsForm(HouseModel& model, TLocationForm& location, QWidget* parent)
    : platform::Dialog(location.services().help, parent), model_(model), location_(location) {
    setObjectName("ClimateDetailsForm");
    setModal(true);
    // The temperature chart's title stands on two lines.
    TemperatureChart = chartView(this, "Mean Monthly <br>Max and Min Temperature");
    HumidityChart = chartView(this, "Mean Monthly Humidity");
    RadiationChart = chartView(this, "Mean Monthly Solar Radiation");
    SBZoneInfo = new platform::SpeedButton("View data in tabular form", "View data in tabular form", this);
    SBZoneInfo->setObjectName("SBZoneInfo");
    SBZoneInfo->setToolButtonStyle(Qt::ToolButtonTextOnly);
    OKSB = new platform::SpeedButton("  OK", "Close", this);
    OKSB->setObjectName("OKSB");
    HelpButton = new platform::SpeedButton("Help", "Help", this);
    HelpButton->setObjectName("HelpButton");

    auto* charts = new QHBoxLayout;
    for (QChartView* view : {TemperatureChart, HumidityChart, RadiationChart}) charts->addWidget(view);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SBZoneInfo);
    buttons->addStretch();
    buttons->addWidget(HelpButton);
    buttons->addWidget(OKSB);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(charts, 1);
    layout->addLayout(buttons);

    auto& messages = location.services().messages;
    connect(SBZoneInfo, &QAbstractButton::clicked, this,
            platform::guarded(messages, [this] { SBZoneInfoClick(); }));
    connect(OKSB, &QAbstractButton::clicked, this, [this] { OKSBClick(); });
    connect(HelpButton, &QAbstractButton::clicked, this, [this] { HelpButtonClick(); });
    location.ClimateDetailsForm = this;
}

TClimateDetailsForm::~TClimateDetailsForm() {
    location_.ClimateDetailsForm = nullptr;
}

void TClimateDetailsForm::showEvent(QShowEvent* event) {
    platform::Dialog::showEvent(event);
    FormShow();
}

void TClimateDetailsForm::FormShow() {
    location_.CloseSiteDialogs(this);
    setWindowTitle(QString::fromStdString(model_.ClimateFileName));
    computeStatistics();
    fillCharts();
    SBZoneInfo->setEnabled(hasStatistics_);
}

void TClimateDetailsForm::computeStatistics() {
    // Statistics of another file are never shown under this file's name: they go first.
    statistics_ = TClimateStatistics{};
    hasStatistics_ = false;
    climateFile_.clear();
    const std::filesystem::path root(model_.RootDir);
    const auto file = FindClimateFile(root, model_.ClimateFileName);
    if (!file) {
        // The location dialog's location label names the file that is missing.
        location_.LocationLabel->setText(
            QString::fromStdString(ExpectedClimateFile(root, model_.ClimateFileName).string()));
        return;
    }
    try {
        statistics_ = ComputeClimateStatistics(*file, model_.Latitude);
    } catch (...) {
        statistics_ = TClimateStatistics{};
        platform::showEscapedError(&location_.services().messages, std::current_exception());
        return;
    }
    hasStatistics_ = true;
    climateFile_ = file->string();
}

void TClimateDetailsForm::fillCharts() {
    const TClimateStatistics& s = statistics_;
    const TemperatureBars bars = TemperatureBarsOf(s);
    auto* temperature = new QStackedBarSeries;
    temperature->append(barSet("Minimum", bars.lower, kMinimumColour));
    temperature->append(barSet("Maximum", bars.upper, kRangeColour));
    showBars(*TemperatureChart, temperature, ChartScaleFor(s.Minimum, s.Maximum, 0, 40, kAxisStep), "°C");

    auto* humidity = new QBarSeries;
    humidity->append(barSet("Humidity", s.Humidity, kHumidityColour));
    showBars(*HumidityChart, humidity, ChartScaleFor(s.Humidity, s.Humidity, 0, 20, kAxisStep), "g/kg");

    auto* radiation = new QBarSeries;
    radiation->append(barSet("Radiation", s.Radiation, kRadiationColour));
    showBars(*RadiationChart, radiation, ChartScaleFor(s.Radiation, s.Radiation, 0, 30, kAxisStep), "MJ/m²");
}

void TClimateDetailsForm::SBZoneInfoClick() {
    if (!hasStatistics_) return;
    WriteClimateSummary(model_.RootDir, model_.ClimateFileName, statistics_, climateFile_);
    TClimateSummaryForm* summary = location_.ClimateSummaryForm;
    if (!summary) return;
    if (summary->isVisible())
        summary->FormShow();
    else
        summary->show();
    summary->raise();
}

void TClimateDetailsForm::OKSBClick() {
    if (location_.ClimateSummaryForm) location_.ClimateSummaryForm->close();
    accept();
}

void TClimateDetailsForm::keyPressEvent(QKeyEvent* event) {
    if (!IsEnterOrEscape(event)) return platform::Dialog::keyPressEvent(event);
    OKSBClick();
}

} // namespace pelmora
