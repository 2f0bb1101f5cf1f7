#include "modeller/model/forms/climate_summary_form.h"

#include "common/text_values.h"
#include "modeller/model/climate_statistics.h"
#include "modeller/model/forms/location_form.h"
#include "modeller/platform/application.h"
#include "modeller/platform/print_service.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <QVBoxLayout>

namespace pelmora {

namespace {

// The printed page: A4 at 150 dots per inch, with margins of about 2 cm.
constexpr QSize kPageSize{1240, 1754};
constexpr int kPageMargin = 120;

QFont tableFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    return font;
}

// The table as a page under its title.
QImage tablePage(const QString& title, const QStringList& lines) {
    QImage page(kPageSize, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setPen(Qt::black);
    QFont heading = painter.font();
    heading.setPixelSize(36);
    heading.setBold(true);
    painter.setFont(heading);
    int y = kPageMargin + painter.fontMetrics().ascent();
    painter.drawText(kPageMargin, y, title);
    y += painter.fontMetrics().height();
    QFont body = tableFont();
    // As many pixels a character as fit the widest line on the page.
    int widest = 1;
    for (const QString& line : lines) widest = std::max(widest, static_cast<int>(line.size()));
    body.setPixelSize(std::min(28, (kPageSize.width() - 2 * kPageMargin) * 10 / (6 * widest)));
    painter.setFont(body);
    y += painter.fontMetrics().height();
    for (const QString& line : lines) {
        painter.drawText(kPageMargin, y, line);
        y += painter.fontMetrics().lineSpacing();
    }
    return page;
}

} // namespace

TClimateSummaryForm::TClimateSummaryForm(HouseModel& model, TLocationForm& location, QWidget* parent)
    : platform::Dialog(location.services().help, parent), model_(model), location_(location) {
    setObjectName("ClimateSummaryForm");
    setModal(false);
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->setReadOnly(true);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit1->setFont(tableFont());
    RichEdit1->setMinimumSize(620, 420);
    SpeedButton22 = new platform::SpeedButton("Print", "Print the table", this);
    SpeedButton22->setObjectName("SpeedButton22");
    OKSB = new platform::SpeedButton("  OK", "Close", this);
    OKSB->setObjectName("OKSB");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SpeedButton22);
    buttons->addStretch();
    buttons->addWidget(OKSB);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RichEdit1, 1);
    layout->addLayout(buttons);
    auto& messages = location.services().messages;
    connect(SpeedButton22, &QAbstractButton::clicked, this,
            platform::guarded(messages, [this] { SpeedButton22Click(); }));
    connect(OKSB, &QAbstractButton::clicked, this, [this] { OKSBClick(); });
    location.ClimateSummaryForm = this;
}

TClimateSummaryForm::~TClimateSummaryForm() {
    location_.ClimateSummaryForm = nullptr;
}

void TClimateSummaryForm::showEvent(QShowEvent* event) {
    platform::Dialog::showEvent(event);
    try {
        FormShow();
    } catch (...) {
        platform::showEscapedError(&location_.services().messages, std::current_exception());
    }
}

void TClimateSummaryForm::FormShow() {
    setWindowTitle("Climate Summary for " + QString::fromStdString(model_.ClimateFileName));
    DisplayFile(ClimateSummaryFile(model_.RootDir, model_.ClimateFileName));
}

void TClimateSummaryForm::DisplayFile(const std::filesystem::path& file) {
    RichEdit1->clear();
    for (const std::string& line : common::readTextLines(file))
        RichEdit1->append(QString::fromStdString(line));
}

void TClimateSummaryForm::SpeedButton22Click() {
    location_.services().printing.printImage(tablePage(kPrintTitle, RichEdit1->toPlainText().split('\n')),
                                             false);
}

void TClimateSummaryForm::OKSBClick() {
    close();
}

} // namespace pelmora
