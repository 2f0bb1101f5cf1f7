#include "modeller/results/temp_display_form.h"

#include "modeller/platform/application.h"
#include "modeller/platform/charts.h"
#include "modeller/platform/print_service.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace pelmora {

using namespace temp_display_text;

namespace {

constexpr int kChartWidth = 640;  // px
constexpr int kChartHeight = 420; // px
constexpr int kSwatchSize = 14;   // px
constexpr int kListHeight = 90;   // px
constexpr double kMostDayLabels = 10.0;

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QColor colourOf(CurveColour rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

QLabel* label(QWidget* parent, const QString& name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

platform::SpeedButton* button(QWidget* parent, const QString& name, const QString& caption,
                              const QString& hint) {
    auto* b = new platform::SpeedButton(caption, hint, parent);
    b->setObjectName(name);
    return b;
}

QFrame* panel(QWidget* parent, const QString& name) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return f;
}

QFrame* swatch(QWidget* parent, const QString& name) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFixedSize(kSwatchSize, kSwatchSize);
    f->setAutoFillBackground(true);
    f->setFrameStyle(QFrame::Box | QFrame::Plain);
    return f;
}

void paintSwatch(QFrame* frame, CurveColour colour) {
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, colourOf(colour));
    frame->setPalette(palette);
}

} // namespace

void DragChartView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) return QChartView::mousePressEvent(event);
    dragging_ = true;
    last_ = event->position();
    event->accept();
}

void DragChartView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return QChartView::mouseMoveEvent(event);
    const QPointF step = event->position() - last_;
    last_ = event->position();
    chart()->scroll(-step.x(), step.y());
    event->accept();
}

void DragChartView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton || !dragging_) return QChartView::mouseReleaseEvent(event);
    dragging_ = false;
    event->accept();
    emit dragEnded();
}

TTempDisplayForm::TTempDisplayForm(const HouseModel& model, platform::Services& services, QWidget* parent)
    : platform::Dialog(services.help, parent), display_(model, services.messages, services.files),
      services_(services) {
    setObjectName("TempDisplayForm");
    setWindowTitle(kCaption);
    setModal(true);
    build();
}

void TTempDisplayForm::build() {
    // The chart.
    auto* chart = new QChart;
    chart->setTitle(kTitle);
    chart->legend()->hide();
    BottomAxis = new QValueAxis;
    BottomAxis->setTitleText("Day Number");
    BottomAxis->setLabelFormat("%.0f");
    BottomAxis->setTickType(QValueAxis::TicksDynamic);
    BottomAxis->setTickAnchor(0.0);
    BottomAxis->setTickInterval(1.0);
    LeftAxis = new QValueAxis;
    LeftAxis->setTitleText("Temperature °C");
    LeftAxis->setLabelFormat("%.0f");
    LeftAxis->setTickType(QValueAxis::TicksDynamic);
    LeftAxis->setTickAnchor(0.0);
    LeftAxis->setTickInterval(kTemperatureAxisStep);
    LeftAxis->setRange(kDesignedAxisMinimum, kDesignedAxisMaximum);
    chart->addAxis(BottomAxis, Qt::AlignBottom);
    chart->addAxis(LeftAxis, Qt::AlignLeft);
    for (std::size_t k = 0; k <= kCurveSlots; ++k) {
        auto* series = new QLineSeries;
        series->setObjectName(QString("Series%1").arg(k + 1));
        series->setUseOpenGL(false);
        chart->addSeries(series);
        series->attachAxis(BottomAxis);
        series->attachAxis(LeftAxis);
        if (k < kCurveSlots)
            Series[k] = series;
        else
            Series7 = series;
    }
    Chart1 = new DragChartView(chart, this);
    Chart1->setObjectName("Chart1");
    Chart1->setMinimumSize(kChartWidth, kChartHeight);
    platform::KeepAxisTitlesWhole(*Chart1);
    UpGraphSB = button(this, "UpGraphSB", "Up", "Increase graph height");
    DownGraphSB = button(this, "DownGraphSB", "Down", "Decrease graph height");
    PrintGraphSB = button(this, "PrintGraphSB", "Print Graph", "Print Graph Only");
    auto* chartButtons = new QHBoxLayout;
    chartButtons->addWidget(UpGraphSB);
    chartButtons->addWidget(DownGraphSB);
    chartButtons->addWidget(PrintGraphSB);
    chartButtons->addStretch();

    // The curve list.
    Panel8 = panel(this, "Panel8");
    auto* curves = new QGridLayout(Panel8);
    for (std::size_t k = 0; k < kCurveSlots; ++k) {
        const int n = static_cast<int>(k) + 1;
        CheckBoxes[k] = new QCheckBox(Panel8);
        CheckBoxes[k]->setObjectName(QString("CheckBox%1").arg(n));
        SBDelete[k] = button(Panel8, QString("SBDelete%1").arg(n), "Del", "Delete Graph");
        LabelZ[k] = label(Panel8, QString("LabelZ%1").arg(n), "");
        Swatches[k] = swatch(Panel8, QString("Panel%1").arg(n));
        curves->addWidget(CheckBoxes[k], n - 1, 0);
        curves->addWidget(Swatches[k], n - 1, 1);
        curves->addWidget(LabelZ[k], n - 1, 2);
        curves->addWidget(SBDelete[k], n - 1, 3);
    }
    ClearAllButton = button(Panel8, "ClearAllButton", "Clear All", "Clear All");
    DeleteAllButton = button(Panel8, "DeleteAllButton", "Delete All", "Delete All");
    curves->addWidget(ClearAllButton, kCurveSlots, 0, 1, 2);
    curves->addWidget(DeleteAllButton, kCurveSlots, 2, 1, 2);
    curves->setColumnStretch(2, 1);

    // The period.
    Panel9 = panel(this, "Panel9");
    DayEB = new platform::EditBox(Panel9);
    DayEB->setObjectName("DayEB");
    MonthEB = new platform::EditBox(Panel9);
    MonthEB->setObjectName("MonthEB");
    DurationEB = new platform::EditBox(Panel9);
    DurationEB->setObjectName("DurationEB");
    for (auto* edit : {DayEB, MonthEB, DurationEB}) edit->setMaximumWidth(50);
    UpDownDay = new platform::UpDown(0, 32, Panel9);
    UpDownDay->setObjectName("UpDownDay");
    UpDownMonth = new platform::UpDown(0, 13, Panel9);
    UpDownMonth->setObjectName("UpDownMonth");
    DurationSB = new QScrollBar(Qt::Horizontal, Panel9);
    DurationSB->setObjectName("DurationSB");
    DurationSB->setRange(0, kMostPeriodDays);
    StartDayLabel = label(Panel9, "StartDayLabel", "");
    StartNumLabel = label(Panel9, "StartNumLabel", "");
    EndDayLabel = label(Panel9, "EndDayLabel", "");
    EndNumLabel = label(Panel9, "EndNumLabel", "");
    ComboBox1 = new QComboBox(Panel9);
    ComboBox1->setObjectName("ComboBox1");
    for (const PeriodItem& item : kPeriodItems) ComboBox1->addItem(item.text);
    ComboBox1->setPlaceholderText(kSelectPeriod);
    ComboBox1->setCurrentIndex(-1);
    auto* period = new QGridLayout(Panel9);
    period->addWidget(new QLabel("Start day", Panel9), 0, 0);
    period->addWidget(DayEB, 0, 1);
    period->addWidget(UpDownDay, 0, 2);
    period->addWidget(new QLabel("Month", Panel9), 0, 3);
    period->addWidget(MonthEB, 0, 4);
    period->addWidget(UpDownMonth, 0, 5);
    period->addWidget(new QLabel("Days", Panel9), 1, 0);
    period->addWidget(DurationEB, 1, 1);
    period->addWidget(DurationSB, 1, 2, 1, 4);
    period->addWidget(new QLabel("From", Panel9), 2, 0);
    period->addWidget(StartDayLabel, 2, 1);
    period->addWidget(StartNumLabel, 2, 2);
    period->addWidget(new QLabel("To", Panel9), 2, 3);
    period->addWidget(EndDayLabel, 2, 4);
    period->addWidget(EndNumLabel, 2, 5);
    period->addWidget(ComboBox1, 3, 0, 1, 6);

    // The file slots and the climate file.
    auto* files = new QGridLayout;
    for (std::size_t k = 0; k < kProjectSlots; ++k) {
        const int n = static_cast<int>(k) + 1;
        ProjectPanels[k] = panel(this, QString("Panel%1").arg(9 + n));
        auto* slot = new QVBoxLayout(ProjectPanels[k]);
        ProjectTitles[k] = label(ProjectPanels[k], QString("Label%1").arg(n), QString("Project %1").arg(n));
        SBOpen[k] = button(ProjectPanels[k], QString("SBOpenP%1").arg(n), "Open File", "Open File");
        LabelP[k] = label(ProjectPanels[k], QString("LabelP%1").arg(n), "");
        LabelF[k] = label(ProjectPanels[k], QString("LabelF%1").arg(n), "");
        ListBoxes[k] = new QListWidget(ProjectPanels[k]);
        ListBoxes[k]->setObjectName(QString("ListBox%1").arg(n));
        ListBoxes[k]->setFixedHeight(kListHeight);
        auto* head = new QHBoxLayout;
        head->addWidget(ProjectTitles[k]);
        head->addWidget(SBOpen[k]);
        slot->addLayout(head);
        slot->addWidget(LabelP[k]);
        slot->addWidget(LabelF[k]);
        slot->addWidget(ListBoxes[k]);
        slot->addStretch();
        files->addWidget(ProjectPanels[k], 0, static_cast<int>(k));
        files->setColumnStretch(static_cast<int>(k), 1);
    }
    Label5 = label(this, "Label5", "");
    SBOpenWeather = button(this, "SBOpenWeather", "Open", "Open Climate Data File");
    LabelPW = label(this, "LabelPW", "");
    LabelFW = label(this, "LabelFW", "");
    CheckBox7 = new QCheckBox(this);
    CheckBox7->setObjectName("CheckBox7");
    Panel7 = swatch(this, "Panel7");
    paintSwatch(Panel7, kWeatherColour);
    auto* weather = new QHBoxLayout;
    weather->addWidget(new QLabel("Weather File", this));
    weather->addWidget(SBOpenWeather);
    weather->addWidget(CheckBox7);
    weather->addWidget(Panel7);
    weather->addWidget(LabelPW);
    weather->addWidget(LabelFW);
    weather->addStretch();
    weather->addWidget(Label5);

    SpeedButton1 = button(this, "SpeedButton1", "Distribution", "Show temperature distribution");
    PrintFormSB = button(this, "PrintFormSB", "Print", "Print Entire Form");
    HelpButton = button(this, "HelpButton", "Help", "Help");
    CancelSB = button(this, "CancelSB", "Close", "Close");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (auto* b : {SpeedButton1, PrintFormSB, HelpButton, CancelSB}) buttons->addWidget(b);

    auto* left = new QVBoxLayout;
    left->addWidget(Chart1, 1);
    left->addLayout(chartButtons);
    auto* right = new QVBoxLayout;
    right->addWidget(Panel9);
    right->addWidget(Panel8);
    right->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(files);
    layout->addLayout(weather);
    layout->addLayout(buttons);

    // Every handler redraws the state it leaves.
    auto& messages = services_.messages;
    const auto act = [this, &messages](auto handler) {
        return [this, &messages, handler](auto&&...) {
            if (refreshing_) return;
            platform::guarded(messages, handler)();
            refresh();
        };
    };
    const auto on = [&](QAbstractButton* b, auto handler) {
        connect(b, &QAbstractButton::clicked, this, act(handler));
    };
    on(UpGraphSB, [this] { UpGraphSBClick(); });
    on(DownGraphSB, [this] { DownGraphSBClick(); });
    on(PrintGraphSB, [this] { PrintGraphSBClick(); });
    on(PrintFormSB, [this] { PrintFormSBClick(); });
    on(SpeedButton1, [this] { SpeedButton1Click(); });
    on(HelpButton, [this] { HelpButtonClick(); });
    on(CancelSB, [this] { CancelSBClick(); });
    on(ClearAllButton, [this] { display_.ClearAllButtonClick(); });
    on(DeleteAllButton, [this] { display_.DeleteAllButtonClick(); });
    on(SBOpenWeather, [this] { display_.SBOpenWeatherClick(); });
    on(CheckBox7, [this] { display_.CheckBox7Click(CheckBox7->isChecked()); });
    for (std::size_t k = 0; k < kCurveSlots; ++k) {
        const int slot = static_cast<int>(k) + 1;
        on(CheckBoxes[k], [this, k, slot] { display_.CheckBoxClick(slot, CheckBoxes[k]->isChecked()); });
        on(SBDelete[k], [this, slot] { display_.SBDeleteClick(slot); });
    }
    for (std::size_t k = 0; k < kProjectSlots; ++k) {
        const int slot = static_cast<int>(k) + 1;
        on(SBOpen[k], [this, slot] { display_.SBOpenClick(slot); });
        connect(ListBoxes[k], &QListWidget::itemClicked, this,
                act([this, k, slot] { display_.ListBoxClick(slot, ListBoxes[k]->currentRow()); }));
    }
    connect(DayEB, &platform::EditBox::changed, this,
            act([this] { display_.DayEBChange(DayEB->text().toStdString()); }));
    connect(MonthEB, &platform::EditBox::changed, this,
            act([this] { display_.MonthEBChange(MonthEB->text().toStdString()); }));
    connect(DurationEB, &platform::EditBox::changed, this,
            act([this] { display_.DurationEBChange(DurationEB->text().toStdString()); }));
    connect(UpDownDay, &QSpinBox::valueChanged, this,
            act([this] { display_.UpDownDayClick(UpDownDay->value()); }));
    connect(UpDownMonth, &QSpinBox::valueChanged, this,
            act([this] { display_.UpDownMonthClick(UpDownMonth->value()); }));
    connect(DurationSB, &QScrollBar::valueChanged, this,
            act([this] { display_.DurationSBChange(DurationSB->value()); }));
    connect(ComboBox1, &QComboBox::activated, this,
            act([this] { display_.ComboBox1Change(ComboBox1->currentIndex()); }));
    connect(Chart1, &DragChartView::dragEnded, this, act([this] { Chart1MouseUp(); }));
}

void TTempDisplayForm::drawSeries(std::size_t index, const std::vector<TTempPoint>& points, int stamp,
                                  CurveColour colour) {
    QLineSeries* series = index < kCurveSlots ? Series[index] : Series7;
    Drawn& drawn = drawn_[index];
    if (drawn.stamp == stamp && drawn.colour == colour) return;
    drawn = {stamp, colour};
    QList<QPointF> list;
    if (stamp != 0) {
        list.reserve(static_cast<qsizetype>(points.size()));
        for (const TTempPoint& p : points) list.append(QPointF(p.Time, p.Temp));
    }
    series->replace(list);
    series->setColor(colourOf(colour));
}

void TTempDisplayForm::refresh() {
    refreshing_ = true;
    const TempDisplayState& s = display_.state();
    for (std::size_t k = 0; k < kCurveSlots; ++k) {
        const CurveSlot& c = s.Curves[k];
        CheckBoxes[k]->setVisible(c.Visible);
        CheckBoxes[k]->setChecked(c.Checked);
        SBDelete[k]->setVisible(c.Visible);
        LabelZ[k]->setVisible(c.Visible);
        LabelZ[k]->setText(q(c.Label));
        Swatches[k]->setVisible(c.Visible);
        paintSwatch(Swatches[k], c.Colour);
        drawSeries(k, c.Points, c.Visible && c.Checked ? c.Stamp : 0, c.Colour);
    }
    drawSeries(kCurveSlots, s.WeatherTemps, s.WeatherChecked ? s.WeatherStamp : 0, kWeatherColour);
    Panel8->setVisible(s.CurveListVisible);
    for (std::size_t k = 0; k < kProjectSlots; ++k) {
        const ProjectSlot& p = s.Projects[k];
        ProjectPanels[k]->setVisible(p.PanelVisible);
        ProjectTitles[k]->setVisible(p.OpenVisible);
        SBOpen[k]->setVisible(p.OpenVisible);
        LabelP[k]->setVisible(p.FileVisible);
        LabelF[k]->setVisible(p.FileVisible);
        ListBoxes[k]->setVisible(p.FileVisible);
        LabelP[k]->setText(q(p.Folder));
        LabelF[k]->setText(q(p.Name));
        QStringList names;
        if (p.Temps)
            for (const std::string& name : p.Temps->SeriesNames) names << q(name);
        QStringList listed;
        for (int i = 0; i < ListBoxes[k]->count(); ++i) listed << ListBoxes[k]->item(i)->text();
        if (listed != names) {
            ListBoxes[k]->clear();
            ListBoxes[k]->addItems(names);
        }
    }
    Label5->setVisible(s.ClimateLabelVisible);
    Label5->setText(q(s.ClimateLabel));
    LabelPW->setVisible(s.WeatherVisible);
    LabelFW->setVisible(s.WeatherVisible);
    Panel7->setVisible(s.WeatherVisible);
    CheckBox7->setChecked(s.WeatherChecked);
    LabelPW->setText(q(s.WeatherFolder));
    LabelFW->setText(q(s.WeatherName));

    DayEB->setText(q(s.DayText));
    MonthEB->setText(q(s.MonthText));
    if (DurationEB->text().trimmed() != q(s.DurationText).trimmed() || s.DurationText.empty())
        DurationEB->setText(q(s.DurationText));
    UpDownDay->setValue(s.PeriodDay);
    UpDownMonth->setValue(s.PeriodMonth);
    DurationSB->setValue(s.PeriodDays);
    StartDayLabel->setText(q(s.StartDayLabel));
    StartNumLabel->setText(q(s.StartNumLabel));
    EndDayLabel->setText(q(s.EndDayLabel));
    EndNumLabel->setText(q(s.EndNumLabel));
    ComboBox1->setCurrentIndex(-1);
    Chart1->chart()->setTitle(q(s.ChartTitle));
    BottomAxis->setRange(s.BottomMinimum, s.BottomMaximum);
    // Whole days along the axis, about ten labels over a long period.
    BottomAxis->setTickInterval(
        std::max(1.0, std::ceil((s.BottomMaximum - s.BottomMinimum) / kMostDayLabels)));
    LeftAxis->setRange(s.LeftMinimum, s.LeftMaximum);
    refreshing_ = false;
}

void TTempDisplayForm::showEvent(QShowEvent* event) {
    platform::Dialog::showEvent(event);
    if (event->spontaneous()) return;
    display_.FormShow();
    refresh();
}

void TTempDisplayForm::keyPressEvent(QKeyEvent* event) {
    if (platform::isEnterOrEscape(*event)) {
        CancelSBClick();
        return;
    }
    platform::Dialog::keyPressEvent(event);
}

void TTempDisplayForm::UpGraphSBClick() {
    display_.UpGraphSBClick();
}

void TTempDisplayForm::DownGraphSBClick() {
    display_.DownGraphSBClick();
}

void TTempDisplayForm::PrintGraphSBClick() {
    services_.printing.printImage(Chart1->grab().toImage(), true);
}

void TTempDisplayForm::PrintFormSBClick() {
    services_.printing.printWidget(*this, true);
}

void TTempDisplayForm::SpeedButton1Click() {
    if (BinDataForm) BinDataForm->exec();
}

void TTempDisplayForm::Chart1MouseUp() {
    display_.Chart1MouseUp(BottomAxis->min(), BottomAxis->max(), LeftAxis->min(), LeftAxis->max());
}

} // namespace pelmora
