#include "modeller/results/bin_data_form.h"

#include "modeller/platform/application.h"
#include "modeller/platform/charts.h"
#include "modeller/platform/print_service.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGraphicsPolygonItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace pelmora {

using namespace bin_data_text;

namespace {

constexpr int kTableWidth = 980;   // px
constexpr int kTableHeight = 360;  // px
constexpr int kPrintDpi = 300;     // dots per inch of the printed table's picture
constexpr int kPrintMargin = 60;   // dots, the left margin
constexpr int kChartWidth = 1040;  // px
constexpr int kBarLabelPoints = 7; // the bars' labels
constexpr int kChartHeight = 360;  // px
const QColor kBarColour(40, 90, 200);

// Labelled hours up the histogram's axis: whole hundreds, fewer on a tall axis.
double hourStep(double maximum) {
    if (maximum > 1000.0) return 250.0;
    if (maximum > 500.0) return 100.0;
    return 50.0;
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

platform::SpeedButton* button(QWidget* parent, const char* name, const QString& caption,
                              const QString& hint) {
    auto* b = new platform::SpeedButton(caption, hint, parent);
    b->setObjectName(name);
    return b;
}

// The screen font of a table line of type `type`.
QFont FontType(int type) {
    switch (type) {
    case 0:
        return QFont("Arial", 14, QFont::Bold);
    case 1:
        return QFont("Courier New", 10, QFont::Bold);
    case 2:
        return QFont("Courier New", 8, QFont::Bold);
    case 4:
        return QFont("Arial", 8);
    case 5:
        return QFont("Arial", 16, QFont::Bold);
    default:
        return QFont("Courier New", 8);
    }
}

// The printed fonts by line: a title, the file's name, the heading, then the rows; lines 1 and 3
// keep the font of the line before.
QFont printFont(std::size_t line) {
    QFont font;
    if (line < 2)
        font = QFont("Arial", 14, QFont::Bold);
    else if (line < 4)
        font = QFont("Arial", 10, QFont::Bold);
    else if (line == 4)
        font = QFont("Courier New", 8, QFont::Bold);
    else
        font = QFont("Courier New", 8);
    font.setStyleHint(line >= 4 ? QFont::Monospace : QFont::SansSerif);
    return font;
}

} // namespace

// ---- Histograms ----------------------------------------------------------------------------------

THistForm::THistForm(const TemperatureBins& bins, platform::Services& services, QWidget* parent,
                     const char* name)
    : platform::Dialog(services.help, parent), histogram_(bins), services_(services) {
    setObjectName(name);
    setModal(false);
    auto* chart = new QChart;
    chart->legend()->hide();
    Series1 = new QBarSeries;
    chart->addSeries(Series1);
    auto* bars = new QBarCategoryAxis;
    // The axis draws its labels as rich text, so "<10" is written as an entity.
    for (const std::string& text : BinBarLabels()) bars->append(q(text).toHtmlEscaped());
    // A small face, so that each of the 29 labels fits under its bar.
    QFont small = bars->labelsFont();
    small.setPointSize(kBarLabelPoints);
    bars->setLabelsFont(small);
    chart->addAxis(bars, Qt::AlignBottom);
    Series1->attachAxis(bars);
    LeftAxis = new QValueAxis;
    LeftAxis->setTitleText("Hours");
    LeftAxis->setLabelFormat("%.0f");
    LeftAxis->setRange(0.0, kHistogramStartMaximum);
    LeftAxis->setTickType(QValueAxis::TicksDynamic);
    LeftAxis->setTickAnchor(0.0);
    chart->addAxis(LeftAxis, Qt::AlignLeft);
    Series1->attachAxis(LeftAxis);
    Chart1 = new QChartView(chart, this);
    Chart1->setObjectName("Chart1");
    Chart1->setMinimumSize(kChartWidth, kChartHeight);
    platform::KeepAxisTitlesWhole(*Chart1);
    // The marks of bars that run off the axis follow the plot when the window is resized.
    connect(chart, &QChart::plotAreaChanged, this, [this] { markOffAxisBars(); });
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    UpGraphSB = button(this, "UpGraphSB", "Up", "Increase graph height");
    DownGraphSB = button(this, "DownGraphSB", "Down", "Decrease graph height");
    PrintSB = button(this, "PrintSB", "Print", "Print Graph");
    HelpButton = button(this, "HelpButton", "Help", "Help");
    OKSB = button(this, "OKSB", "  OK", "Close");
    auto* row = new QHBoxLayout;
    row->addWidget(ComboBox1, 1);
    for (auto* b : {UpGraphSB, DownGraphSB, PrintSB, HelpButton, OKSB}) row->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Chart1, 1);
    layout->addLayout(row);

    auto& messages = services_.messages;
    const auto on = [&](QAbstractButton* b, auto handler) {
        connect(b, &QAbstractButton::clicked, this, platform::guarded(messages, handler));
    };
    on(UpGraphSB, [this] { UpGraphSBClick(); });
    on(DownGraphSB, [this] { DownGraphSBClick(); });
    on(PrintSB, [this] { PrintSBClick(); });
    on(HelpButton, [this] { HelpButtonClick(); });
    on(OKSB, [this] { OKSBClick(); });
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (redrawing_) return;
        histogram_.ComboBox1Change(item);
        redraw();
    });
}

THistForm::~THistForm() {
    // The chart goes with the window: its plot no longer moves the marks.
    Chart1->chart()->disconnect(this);
}

void THistForm::redraw() {
    redrawing_ = true;
    QStringList names;
    for (const std::string& name : histogram_.names()) names << q(name);
    QStringList listed;
    for (int i = 0; i < ComboBox1->count(); ++i) listed << ComboBox1->itemText(i);
    if (listed != names) {
        ComboBox1->clear();
        ComboBox1->addItems(names);
    }
    ComboBox1->setCurrentIndex(names.isEmpty() ? -1 : histogram_.item());
    setWindowTitle(q(histogram_.caption()));
    Chart1->chart()->setTitle(q(histogram_.title()));
    Series1->clear();
    auto* set = new QBarSet(QString());
    set->setColor(kBarColour);
    for (int count : histogram_.bars()) set->append(count);
    Series1->append(set);
    showAxis();
    redrawing_ = false;
}

void THistForm::showEvent(QShowEvent* event) {
    platform::Dialog::showEvent(event);
    if (event->spontaneous()) return;
    if (const QScreen* on = screen()) PlaceOnScreen(on->availableGeometry());
    histogram_.FormShow();
    redraw();
}

void THistForm::PlaceOnScreen(const QRect& available) {
    // The frame the window system draws round the window (none known before it was first shown).
    const QSize frame = frameGeometry().size() - size();
    const QSize least = minimumSize().expandedTo(minimumSizeHint());
    const int half = available.height() / 2;
    const int width =
        std::max(least.width(), std::min(sizeHint().width(), available.width() - frame.width()));
    const int height = std::max(least.height(), std::min(sizeHint().height(), half - frame.height()));
    resize(width, height);
    const int x = available.x() + std::max(0, (available.width() - width - frame.width()) / 2);
    // The lower window stands in the lower half, or on the bottom edge when it cannot be made so low.
    const int bottom = available.y() + available.height() - height - frame.height();
    const int y = lower_ ? std::max(available.y(), std::min(available.y() + half, bottom)) : available.y();
    move(x, y);
}

void THistForm::keyPressEvent(QKeyEvent* event) {
    if (platform::isEnterOrEscape(*event)) {
        OKSBClick();
        return;
    }
    platform::Dialog::keyPressEvent(event);
}

void THistForm::showAxis() {
    LeftAxis->setRange(0.0, histogram_.maximum());
    LeftAxis->setTickInterval(hourStep(histogram_.maximum()));
    markOffAxisBars();
}

void THistForm::markOffAxisBars() {
    for (QGraphicsItem* mark : offAxisMarks_) delete mark;
    offAxisMarks_.clear();
    QChart* chart = Chart1->chart();
    const QRectF plot = chart->plotArea();
    if (plot.isEmpty()) return;
    const BinRow& hours = histogram_.bars();
    QFont small = chart->font();
    small.setPointSize(kBarLabelPoints);
    for (int bin : histogram_.OffAxisBins()) {
        const double x = chart->mapToPosition(QPointF(bin, 0.0), Series1).x();
        // An arrow on the bar's top: the bar goes on above the axis.
        auto* arrow =
            new QGraphicsPolygonItem(QPolygonF({QPointF(x, plot.top() + 2), QPointF(x - 4, plot.top() + 9),
                                                QPointF(x + 4, plot.top() + 9)}),
                                     chart);
        arrow->setBrush(Qt::white);
        arrow->setPen(Qt::NoPen);
        // Its hours in a box under the arrow.
        auto* box = new QGraphicsRectItem(chart);
        box->setBrush(Qt::white);
        box->setPen(QPen(Qt::black, 0));
        auto* text = new QGraphicsSimpleTextItem(QString::number(hours[static_cast<std::size_t>(bin)]), box);
        text->setFont(small);
        const QRectF size = text->boundingRect();
        const QRectF frame(x - size.width() / 2 - 2, plot.top() + 11, size.width() + 4, size.height() + 2);
        box->setRect(frame);
        text->setPos(frame.left() + 2, frame.top() + 1);
        for (QGraphicsItem* item : {static_cast<QGraphicsItem*>(arrow), static_cast<QGraphicsItem*>(box)}) {
            item->setZValue(10.0);
            offAxisMarks_.push_back(item);
        }
    }
}

void THistForm::UpGraphSBClick() {
    histogram_.UpGraphSBClick();
    showAxis();
}

void THistForm::DownGraphSBClick() {
    histogram_.DownGraphSBClick();
    showAxis();
}

void THistForm::PrintSBClick() {
    services_.printing.printImage(Chart1->grab().toImage(), true);
}

// ---- The distribution table ----------------------------------------------------------------------

TBinDataForm::TBinDataForm(const HouseModel& model, const TemperatureDisplay& display,
                           platform::Services& services, QWidget* parent)
    : platform::Dialog(services.help, parent), bins_(model, services.messages, services.files, display),
      services_(services) {
    setObjectName("BinDataForm");
    setWindowTitle(kCaption);
    setModal(true);
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->setReadOnly(true);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setMinimumSize(kTableWidth, kTableHeight);
    SBOpenP1 = button(this, "SBOpenP1", "Open File", "Open File to Display all Zones in Project");
    LabelP1 = new QLabel(this);
    LabelP1->setObjectName("LabelP1");
    LabelF1 = new QLabel(this);
    LabelF1->setObjectName("LabelF1");
    PrintGraphSB = button(this, "PrintGraphSB", "Print", "Print Table");
    AnalysisSB = button(this, "AnalysisSB", "Graph Top", "Display Graphically-Top");
    SpeedButton1 = button(this, "SpeedButton1", "Graph Bottom", "Display Graphically-Bottom");
    HelpButton = button(this, "HelpButton", "Help", "Help");
    CancelSB = button(this, "CancelSB", "Close", "Close");
    auto* file = new QHBoxLayout;
    file->addWidget(SBOpenP1);
    file->addWidget(LabelP1);
    file->addWidget(LabelF1);
    file->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (auto* b : {PrintGraphSB, AnalysisSB, SpeedButton1, HelpButton, CancelSB}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(file);
    layout->addWidget(RichEdit1, 1);
    layout->addLayout(buttons);

    auto& messages = services_.messages;
    const auto on = [&](QAbstractButton* b, auto handler) {
        connect(b, &QAbstractButton::clicked, this, platform::guarded(messages, handler));
    };
    on(SBOpenP1, [this] { SBOpenP1Click(); });
    on(PrintGraphSB, [this] { PrintGraphSBClick(); });
    on(AnalysisSB, [this] { AnalysisSBClick(); });
    on(SpeedButton1, [this] { SpeedButton1Click(); });
    on(HelpButton, [this] { HelpButtonClick(); });
    on(CancelSB, [this] { CancelSBClick(); });
}

void TBinDataForm::showTable() {
    RichEdit1->clear();
    QTextCursor cursor(RichEdit1->document());
    bool first = true;
    for (const TableLine& line : bins_.lines()) {
        QTextCharFormat format;
        format.setFont(FontType(line.font));
        format.setForeground(line.font == 1 ? QColor(Qt::blue) : QColor(Qt::black));
        if (!first) cursor.insertBlock();
        first = false;
        cursor.insertText(q(line.text), format);
    }
    LabelP1->setText(q(bins_.folderLabel()));
    LabelF1->setText(q(bins_.fileLabel()));
}

QImage TBinDataForm::tablePicture() const {
    const auto& lines = bins_.lines();
    // Line i stands at (i + 1) × h, h the height of an 8-point font and four tenths of it.
    const int eight = (8 * kPrintDpi + 36) / 72;
    const int h = eight + eight * 4 / 10;
    const int pageWidth = kPrintDpi * 11; // landscape
    const int pageHeight = kPrintDpi * 8; //
    int width = pageWidth;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        QFont font = printFont(i);
        font.setPixelSize(font.pointSize() * kPrintDpi / 72);
        width = std::max(width, kPrintMargin * 2 + QFontMetrics(font).horizontalAdvance(q(lines[i].text)));
    }
    const int height = std::max(pageHeight, static_cast<int>(lines.size() + 2) * h);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        QFont font = printFont(i);
        font.setPixelSize(font.pointSize() * kPrintDpi / 72);
        painter.setFont(font);
        painter.drawText(kPrintMargin, static_cast<int>(i + 1) * h, q(lines[i].text));
    }
    return image;
}

void TBinDataForm::showEvent(QShowEvent* event) {
    platform::Dialog::showEvent(event);
    if (event->spontaneous()) return;
    bins_.FormShow();
    showTable();
}

void TBinDataForm::keyPressEvent(QKeyEvent* event) {
    if (platform::isEnterOrEscape(*event)) {
        CancelSBClick();
        return;
    }
    platform::Dialog::keyPressEvent(event);
}

void TBinDataForm::done(int result) {
    // The histograms follow the table: closing it closes them.
    for (THistForm* form : {HistForm, HistForm2})
        if (form) form->close();
    platform::Dialog::done(result);
}

void TBinDataForm::SBOpenP1Click() {
    bins_.SBOpenP1Click();
    showTable();
}

void TBinDataForm::PrintGraphSBClick() {
    services_.printing.printImage(tablePicture(), true);
}

void TBinDataForm::AnalysisSBClick() {
    if (!HistForm) return;
    HistForm->show();
    HistForm->histogram().FormShow();
    HistForm->redraw();
}

void TBinDataForm::SpeedButton1Click() {
    if (!HistForm2) return;
    HistForm2->show();
    HistForm2->histogram().FormShow();
    HistForm2->redraw();
}

} // namespace pelmora
