#include "modeller/results/analysis_form.h"

#include "modeller/platform/application.h"
#include "modeller/platform/charts.h"
#include "modeller/platform/print_service.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace pelmora {

namespace {

const QColor kCoolingColour(40, 90, 200);
const QColor kHeatingColour(200, 40, 40);
const QColor kZoneBarColour(Qt::red);
constexpr int kZoneColourPanelWidth = 40; // px
constexpr int kZoneBarWidth = 16;         // px, centred in the colour panel
constexpr int kChartWidth = 420;          // px
constexpr int kChartHeight = 230;         // px
constexpr int kLargestAxis = 1000000;     // MJ/m2, the hidden scroll bar's end
constexpr int kMostAxisSteps = 10;        // labelled steps of the energy axis at the most
constexpr int kDialogWidth = 1000;        // px: the charts beside the rating, the limits below in full
constexpr int kDialogHeight = 640;        // px
// The half-star scale above the climate's limits, one field of five characters a value.
constexpr const char* kStarScale =
    "0.0  0.5  1.0  1.5  2.0  2.5  3.0  3.5  4.0  4.5  5.0  5.5  6.0  6.5  7.0  7.5  8.0  8.5  9.0  9.5  10";
// The widest texts of the zone panel that its width is made for.
constexpr const char* kWidestZoneNumber = "Zone 100";
constexpr const char* kWidestZoneArea = "Area 9999.9 m²";
constexpr const char* kWidestZoneEnergy = "Energy 9999999 MJ ";
// The limit for j half stars stands under the figure of j half stars: one field to the right of 0.0.
constexpr int kLimitIndentFields = 1;

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

// A label of a text that changes with the record or zone shown: a long text is cut with an ellipsis
// and never widens the dialog's left column.
QLabel* elidingLabel(QWidget* parent, const char* name) {
    auto* l = new platform::ElidingLabel(parent);
    l->setObjectName(name);
    // Its text asks for no width: the column gives it what it has.
    l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return l;
}

platform::SpeedButton* button(QWidget* parent, const char* name, const QString& caption,
                              const QString& hint) {
    auto* b = new platform::SpeedButton(caption, hint, parent);
    b->setObjectName(name);
    return b;
}

QFrame* frame(QWidget* parent, const char* name) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return f;
}

// The month initials as bar categories.  The axis keeps each category once, so the repeated
// initials (J, M, A) are told apart by zero-width spaces that do not show.
QStringList monthCategories() {
    QStringList categories;
    for (std::size_t m = 0; m < analysis_text::kMonthInitials.size(); ++m) {
        QString initial = QString::fromUtf8(analysis_text::kMonthInitials[m].data(),
                                            static_cast<qsizetype>(analysis_text::kMonthInitials[m].size()));
        while (categories.contains(initial)) initial += QChar(0x200B);
        categories << initial;
    }
    return categories;
}

QColor modelColour(std::int32_t colour) {
    // The model stores red in the low byte, then green, then blue.
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

} // namespace

TAnalysisForm::TAnalysisForm(HouseModel& model, SimulationHistory& history, const RatingTables& tables,
                             RatingPanel& panel, platform::Services& services, QWidget* parent)
    : platform::Dialog(services.help, parent), analysis_(model, history, tables, panel), services_(services) {
    setObjectName("AnalysisForm");
    setWindowTitle(kCaption);
    setModal(true);
    build();
    analysis_.setView(this);
}

TAnalysisForm::~TAnalysisForm() {
    analysis_.setView(nullptr);
}

QChartView* TAnalysisForm::chart(const char* name, const char* title, QBarSeries*& series,
                                 const QColor& colour) {
    auto* c = new QChart;
    c->setTitle(title);
    c->legend()->hide();
    series = new QBarSeries;
    c->addSeries(series);
    auto* months = new QBarCategoryAxis;
    months->append(monthCategories());
    c->addAxis(months, Qt::AlignBottom);
    series->attachAxis(months);
    auto* energy = new QValueAxis;
    energy->setTitleText("MJ/m²");
    energy->setLabelFormat("%.0f");
    energy->setRange(0.0, kStartChartMaximum);
    energy->setTickType(QValueAxis::TicksDynamic);
    energy->setTickAnchor(0.0);
    energy->setTickInterval(kChartStep);
    // The axis keeps the label width of the range it was laid out with; a month of several hundred
    // MJ/m2 would then show every figure cut to an ellipsis.  Its figures are few and short: draw them
    // whole.
    energy->setTruncateLabels(false);
    c->addAxis(energy, Qt::AlignLeft);
    series->attachAxis(energy);
    series->setProperty("barColour", colour);
    auto* view = new QChartView(c, this);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(kChartWidth, kChartHeight);
    platform::KeepAxisTitlesWhole(*view);
    return view;
}

void TAnalysisForm::build() {
    HouseSB = button(this, "HouseSB", "House", "House Energy Requirements");
    ZonesSB = button(this, "ZonesSB", "Zones", "Zone Energy Requirements");
    HouseSB->setCheckable(true);
    ZonesSB->setCheckable(true);
    SpeedButton22 = button(this, "SpeedButton22", "Print", "Print this window");
    HelpButton = button(this, "HelpButton", "Help", "Help");
    AnalysisSB = button(this, "AnalysisSB", "Temps", "Show Temperature Profiles");
    OKSB = button(this, "OKSB", "  OK", "Close");
    auto* top = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(HouseSB), static_cast<QWidget*>(ZonesSB)}) top->addWidget(w);
    top->addSpacing(12);
    for (QWidget* w : {static_cast<QWidget*>(SpeedButton22), static_cast<QWidget*>(HelpButton),
                       static_cast<QWidget*>(AnalysisSB)})
        top->addWidget(w);
    top->addStretch();
    top->addWidget(OKSB);

    // The rating.
    StarPanel = frame(this, "StarPanel");
    auto* rating = new QVBoxLayout(StarPanel);
    FileLabel = elidingLabel(StarPanel, "FileLabel");
    FileLabel->setText("File");
    ClimNameLabel = elidingLabel(StarPanel, "ClimNameLabel");
    ClimNameLabel->setText("Climate file name");
    rating->addWidget(FileLabel);
    rating->addWidget(ClimNameLabel);
    auto* energies = new QGridLayout;
    Label6 = label(StarPanel, "Label6", "MJ/m²");
    energies->addWidget(Label6, 0, 1);
    const auto energyRow = [&](int row, QLabel*& heading, const char* headingName, const char* text,
                               QLabel*& value, const char* valueName) {
        heading = label(StarPanel, headingName, text);
        value = label(StarPanel, valueName, "");
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        energies->addWidget(heading, row, 0);
        energies->addWidget(value, row, 1);
    };
    energyRow(1, Label3, "Label3", "H", HeatLabel, "HeatLabel");
    energyRow(2, Label2, "Label2", "C", CoolLabel, "CoolLabel");
    energyRow(3, Label1, "Label1", "T", TotalLabel, "TotalLabel");
    rating->addLayout(energies);
    auto* stars = new QHBoxLayout;
    Label7 = label(StarPanel, "Label7", "Stars");
    StarLabel = label(StarPanel, "StarLabel", "");
    QFont figure = StarLabel->font();
    figure.setPointSizeF(figure.pointSizeF() * 1.6);
    figure.setBold(true);
    StarLabel->setFont(figure);
    stars->addWidget(Label7);
    stars->addWidget(StarLabel);
    stars->addStretch();
    rating->addLayout(stars);
    rating->addLayout(Stars.build(StarPanel));
    auto* adjusted = new QGridLayout;
    Label8 = label(StarPanel, "Label8", "Area Adjustment");
    AdjustLabel = label(StarPanel, "AdjustLabel", "");
    Label10 = label(StarPanel, "Label10", "Adjusted Star Rating");
    AdjustStarLabel = label(StarPanel, "AdjustStarLabel", "");
    adjusted->addWidget(Label8, 0, 0);
    adjusted->addWidget(AdjustLabel, 0, 1);
    adjusted->addWidget(Label10, 1, 0);
    adjusted->addWidget(AdjustStarLabel, 1, 1);
    rating->addLayout(adjusted);
    auto* steps = new QHBoxLayout;
    ForwardSB = button(StarPanel, "ForwardSB", "1", "Most Recent Rating");
    BackSB = button(StarPanel, "BackSB", "2", "Previous Rating");
    ForwardSB->setCheckable(true);
    BackSB->setCheckable(true);
    DelRecSB = button(StarPanel, "DelRecSB", "Delete", "Delete Simulation Records");
    steps->addWidget(ForwardSB);
    steps->addWidget(BackSB);
    steps->addStretch();
    steps->addWidget(DelRecSB);
    rating->addLayout(steps);

    // One zone.
    ZonePanel = frame(this, "ZonePanel");
    auto* zone = new QGridLayout(ZonePanel);
    ZNum = label(ZonePanel, "ZNum", "Zone Number");
    ZoneNumUpDown = new platform::UpDown(1, 1, ZonePanel);
    ZoneNumUpDown->setObjectName("ZoneNumUpDown");
    ZoneNameLb = elidingLabel(ZonePanel, "ZoneNameLb");
    AreaLabel = elidingLabel(ZonePanel, "AreaLabel");
    EnergyLabel = elidingLabel(ZonePanel, "EnergyLabel");
    PercentLabel = elidingLabel(ZonePanel, "PercentLabel");
    // The up-down stands right of the widest zone number, so that it stays under the pointer while
    // the user steps through the zones.
    ZNum->setMinimumWidth(ZNum->fontMetrics().horizontalAdvance(kWidestZoneNumber) + 2 * ZNum->margin());
    ZoneColourPanel = new QFrame(ZonePanel);
    ZoneColourPanel->setObjectName("ZoneColourPanel");
    ZoneColourPanel->setFrameStyle(QFrame::Box | QFrame::Plain);
    ZoneColourPanel->setFixedSize(kZoneColourPanelWidth, kZoneColourPanelHeight);
    ZoneColourPanel->setAutoFillBackground(true);
    EPanel = new QFrame(ZoneColourPanel);
    EPanel->setObjectName("EPanel");
    EPanel->setAutoFillBackground(true);
    QPalette bar = EPanel->palette();
    bar.setColor(QPalette::Window, kZoneBarColour);
    EPanel->setPalette(bar);
    zone->addWidget(ZNum, 0, 0);
    zone->addWidget(ZoneNumUpDown, 0, 1);
    zone->addWidget(ZoneNameLb, 1, 0, 1, 2);
    zone->addWidget(AreaLabel, 2, 0, 1, 2);
    zone->addWidget(EnergyLabel, 3, 0, 1, 2);
    zone->addWidget(PercentLabel, 4, 0, 1, 2);
    zone->addWidget(ZoneColourPanel, 0, 2, 5, 1);

    // The left column keeps one width whatever record or zone it shows, so that neither its buttons
    // nor the charts beside it move: as wide as the rating's fixed texts and star images, or the zone
    // panel with its widest figures.
    const QFontMetrics metrics = AreaLabel->fontMetrics();
    const QMargins margins = zone->contentsMargins();
    const int figures =
        std::max(metrics.horizontalAdvance(kWidestZoneArea), metrics.horizontalAdvance(kWidestZoneEnergy));
    const int column = std::max({StarPanel->sizeHint().width(), ZonePanel->sizeHint().width(),
                                 figures + zone->horizontalSpacing() + ZoneColourPanel->width() +
                                     margins.left() + margins.right() + 2 * ZonePanel->frameWidth()});
    // Nor does its height change with the figures and stars a record or zone shows or hides.
    for (QWidget* child : StarPanel->findChildren<QWidget*>()) {
        QSizePolicy policy = child->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        child->setSizePolicy(policy);
    }
    StarPanel->setFixedWidth(column);
    ZonePanel->setFixedWidth(column);
    auto* left = new QVBoxLayout;
    left->addWidget(StarPanel);
    left->addWidget(ZonePanel);
    left->addStretch();

    // The charts.
    Label11 = label(this, "Label11", "House - All Zones");
    QFont heading = Label11->font();
    heading.setBold(true);
    Label11->setFont(heading);
    CoolChart = chart("CoolChart", "Monthly Cooling Energy", Series1, kCoolingColour);
    HeatChart = chart("HeatChart", "Monthly Heating Energy", BarSeries1, kHeatingColour);
    ResetButton = button(this, "ResetButton", "Fit", "Fit the energy axis to the values shown");
    YScaleSB = new QScrollBar(Qt::Horizontal, this);
    YScaleSB->setObjectName("YScaleSB");
    YScaleSB->setRange(static_cast<int>(kChartStep), kLargestAxis);
    YScaleSB->hide();
    YScaleLb = label(this, "YScaleLb", "100");
    auto* scale = new QHBoxLayout;
    scale->addWidget(ResetButton);
    scale->addWidget(new QLabel("Axis to", this));
    scale->addWidget(YScaleLb);
    scale->addWidget(new QLabel("MJ/m²", this));
    scale->addStretch();
    auto* charts = new QVBoxLayout;
    charts->addWidget(Label11);
    charts->addWidget(CoolChart, 1);
    charts->addWidget(HeatChart, 1);
    charts->addLayout(scale);

    // The climate's limits under the half-star scale.
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName("ScrollBox1");
    auto* scaleBox = new QWidget;
    auto* limits = new QVBoxLayout(scaleBox);
    const QFont fixedPitch = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    StarNumLabel = label(scaleBox, "StarNumLabel", kStarScale);
    StarMJLabel = label(scaleBox, "StarMJLabel", "");
    StarNumLabel->setFont(fixedPitch);
    StarMJLabel->setFont(fixedPitch);
    StarMJLabel->setIndent(QFontMetrics(fixedPitch).horizontalAdvance(QString(5 * kLimitIndentFields, ' ')));
    limits->addWidget(StarNumLabel);
    limits->addWidget(StarMJLabel);
    ScrollBox1->setWidget(scaleBox);
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setFixedHeight(scaleBox->sizeHint().height() +
                               ScrollBox1->horizontalScrollBar()->sizeHint().height() + 4);

    auto* middle = new QHBoxLayout;
    middle->addLayout(left);
    middle->addLayout(charts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addWidget(ScrollBox1);
    setMinimumSize(kDialogWidth, kDialogHeight);

    auto& messages = services_.messages;
    const auto on = [&](QAbstractButton* b, auto handler) {
        connect(b, &QAbstractButton::clicked, this, platform::guarded(messages, handler));
    };
    on(HouseSB, [this] { analysis_.HouseSBClick(); });
    on(ZonesSB, [this] { analysis_.ZonesSBClick(); });
    on(BackSB, [this] { analysis_.BackSBClick(); });
    on(ForwardSB, [this] { analysis_.ForwardSBClick(); });
    on(DelRecSB, [this] { analysis_.DelRecSBClick(); });
    on(ResetButton, [this] { analysis_.ResetButtonClick(); });
    on(OKSB, [this] { OKSBClick(); });
    on(SpeedButton22, [this] { SpeedButton22Click(); });
    on(HelpButton, [this] { HelpButtonClick(); });
    on(AnalysisSB, [this] { AnalysisSBClick(); });
    connect(ZoneNumUpDown, &QSpinBox::valueChanged, this, [this](int position) {
        if (!showing_)
            platform::guarded(services_.messages, [&] { analysis_.ZoneNumUpDownClick(position); })();
    });
}

void TAnalysisForm::showBars(QChartView* view, QBarSeries* series, const std::vector<double>& values,
                             double maximum) {
    series->clear();
    if (!values.empty()) {
        auto* set = new QBarSet(QString());
        set->setColor(series->property("barColour").value<QColor>());
        for (double v : values) set->append(v);
        series->append(set);
    }
    // Labels on whole multiples of 5 MJ/m2, at most ten steps up the axis.
    const double step = kChartStep * std::max(1.0, std::ceil(maximum / (kChartStep * kMostAxisSteps)));
    for (QAbstractAxis* axis : view->chart()->axes(Qt::Vertical))
        if (auto* energy = qobject_cast<QValueAxis*>(axis)) {
            energy->setRange(0.0, maximum);
            energy->setTickInterval(step);
        }
}

void TAnalysisForm::showAnalysis(const AnalysisState& s) {
    showing_ = true;
    HouseSB->setDown(s.HouseSBDown);
    ZonesSB->setDown(s.ZonesSBDown);
    ForwardSB->setDown(s.ForwardSBDown);
    BackSB->setDown(s.BackSBDown);
    BackSB->setText(q(s.BackSBCaption));

    StarPanel->setVisible(s.StarPanelVisible);
    const auto text = [](QLabel* l, const std::string& t) { l->setText(q(t)); };
    text(FileLabel, s.FileLabel);
    text(HeatLabel, s.HeatLabel);
    text(CoolLabel, s.CoolLabel);
    text(TotalLabel, s.TotalLabel);
    text(AdjustLabel, s.AdjustLabel);
    text(AdjustStarLabel, s.AdjustStarLabel);
    text(StarLabel, s.StarLabel);
    text(ClimNameLabel, s.ClimNameLabel);
    text(StarMJLabel, s.StarMJLabel);
    Label1->setVisible(s.Label1Visible);
    Label2->setVisible(s.Label2Visible);
    Label3->setVisible(s.Label3Visible);
    Label6->setVisible(s.Label6Visible);
    Label7->setVisible(s.Label7Visible);
    Label8->setVisible(s.Label8Visible);
    AdjustLabel->setVisible(s.AdjustLabelVisible);
    Label10->setVisible(s.Label10Visible);
    AdjustStarLabel->setVisible(s.AdjustStarLabelVisible);
    ScrollBox1->setVisible(s.ScrollBox1Visible);
    StarLabel->setVisible(s.StarLabelVisible);
    ClimNameLabel->setVisible(s.ClimNameLabelVisible);
    Stars.show(s.images);

    CoolChart->setVisible(s.CoolChartVisible);
    HeatChart->setVisible(s.HeatChartVisible);
    showBars(CoolChart, Series1, s.Series1, s.EnergyAxisMaximum);
    showBars(HeatChart, BarSeries1, s.BarSeries1, s.EnergyAxisMaximum);
    text(YScaleLb, s.YScaleLb);
    YScaleSB->setValue(static_cast<int>(s.EnergyAxisMaximum));

    ZonePanel->setVisible(s.ZonePanelVisible);
    ZoneNumUpDown->setRange(1, std::max(1, s.ZoneNumUpDownMax));
    ZoneNumUpDown->setValue(s.ZoneNumUpDownPosition);
    text(ZNum, s.ZNum);
    text(ZoneNameLb, s.ZoneNameLb);
    text(AreaLabel, s.AreaLabel);
    text(EnergyLabel, s.EnergyLabel);
    text(PercentLabel, s.PercentLabel);
    PercentLabel->setVisible(s.PercentLabelVisible);
    QPalette colour = ZoneColourPanel->palette();
    colour.setColor(QPalette::Window, modelColour(s.ZoneColourPanelColour));
    ZoneColourPanel->setPalette(colour);
    EPanel->setVisible(s.EPanelVisible);
    // The bar stands on the bottom edge of the colour panel.
    EPanel->setGeometry((kZoneColourPanelWidth - kZoneBarWidth) / 2, kZoneColourPanelHeight - s.EPanelHeight,
                        kZoneBarWidth, s.EPanelHeight);
    showing_ = false;
}

void TAnalysisForm::showEvent(QShowEvent* event) {
    AnalysisSB->setEnabled(TempDisplayForm != nullptr);
    platform::guarded(services_.messages, [this] { analysis_.FormShow(); })();
    platform::Dialog::showEvent(event);
}

void TAnalysisForm::SpeedButton22Click() {
    services_.printing.printWidget(*this, true);
}

void TAnalysisForm::AnalysisSBClick() {
    if (TempDisplayForm) TempDisplayForm->exec();
}

void TAnalysisForm::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape close the dialog.
    if (platform::isEnterOrEscape(*event)) {
        accept();
        return;
    }
    platform::Dialog::keyPressEvent(event);
}

} // namespace pelmora
