#include "modeller/results/short_report_form.h"

#include "modeller/platform/application.h"
#include "modeller/platform/print_service.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <vector>

namespace pelmora {

namespace {

constexpr int kPageWidth = 700; // px: the form is laid out as a portrait page
const char* const kReportFieldStyle = "QTextEdit { background: white; border: 1px solid #a0a0a0; }";

QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QFrame* panel(QWidget* parent, const char* name) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return f;
}

// A panel with its heading above a form of read-only fields.
QFormLayout* headedForm(QFrame* frame, const char* heading) {
    auto* column = new QVBoxLayout(frame);
    auto* title = new QLabel(heading, frame);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    column->addWidget(title);
    auto* form = new QFormLayout;
    column->addLayout(form);
    column->addStretch();
    return form;
}

QLabel* orLabel(QWidget* parent) {
    auto* l = new QLabel("OR", parent);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

ReportField::ReportField(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    document()->setDocumentMargin(1);
    setStyleSheet(kReportFieldStyle);
    fitHeight();
}

void ReportField::setText(const QString& text) {
    setPlainText(text);
    fitHeight();
}

int ReportField::lineCount() const {
    int lines = 0;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        lines += std::max(1, b.layout() ? b.layout()->lineCount() : 1);
    return lines;
}

QSize ReportField::sizeHint() const {
    return {QTextEdit::sizeHint().width(), height()};
}

QSize ReportField::minimumSizeHint() const {
    return {fontMetrics().averageCharWidth() * 8, height()};
}

void ReportField::resizeEvent(QResizeEvent* event) {
    QTextEdit::resizeEvent(event);
    fitHeight();
}

void ReportField::fitHeight() {
    document()->setTextWidth(viewport()->width());
    const int content = static_cast<int>(std::ceil(document()->size().height()));
    const int wanted = std::max(content, fontMetrics().height() + 2) + 2 * frameWidth();
    if (height() != wanted) {
        setFixedHeight(wanted);
        updateGeometry();
    }
}

TShortReportForm::TShortReportForm(const HouseModel& model, const SimulationHistory& history,
                                   const RatingTables& tables, platform::Services& services, QWidget* parent)
    : platform::Dialog(services.help, parent), model_(model), history_(history), tables_(tables),
      services_(services) {
    setObjectName("ShortReportForm");
    setWindowTitle(q(short_report_text::kCaption));
    setModal(true);
    build();
}

void TShortReportForm::build() {
    for (int i = 1; i <= kReportDetailBoxes; ++i) {
        E[static_cast<std::size_t>(i)] = new ReportField(this);
        E[static_cast<std::size_t>(i)]->setObjectName(QString("E%1").arg(i));
    }
    StateEdit = new ReportField(this);
    StateEdit->setObjectName("StateEdit");
    const auto box = [this](int i) { return E[static_cast<std::size_t>(i)]; };

    // Project, site, rating and buttons.
    Panel5 = panel(this, "Panel5");
    auto* head = new QGridLayout(Panel5);
    auto* version = new QLabel(q(short_report_text::kVersion), Panel5);
    QFont large = version->font();
    large.setPointSizeF(large.pointSizeF() * 1.8);
    large.setBold(true);
    version->setFont(large);
    ProjectN = label(Panel5, "ProjectN", "");
    RunN = label(Panel5, "RunN", "");
    LocationLabel = label(Panel5, "LocationLabel", "");
    ClimateLabel = label(Panel5, "ClimateLabel", "");
    PCLabel = label(Panel5, "PCLabel", "");
    E24 = label(Panel5, "E24", "");
    auto* site = new QFormLayout;
    site->addRow("Project", ProjectN);
    site->addRow("Run", RunN);
    site->addRow("Location", LocationLabel);
    site->addRow("Climate", ClimateLabel);
    site->addRow("PC", PCLabel);
    StarPanel = panel(Panel5, "StarPanel");
    auto* rating = new QVBoxLayout(StarPanel);
    StarLabel = label(StarPanel, "StarLabel", "");
    StarLabel->setFont(large);
    StarLabel->setAlignment(Qt::AlignCenter);
    rating->addWidget(StarLabel);
    rating->addLayout(Stars.build(StarPanel));
    PrintSB = new platform::SpeedButton("Print", "Print Page", Panel5);
    PrintSB->setObjectName("PrintSB");
    OKSB = new platform::SpeedButton("  OK", "Close accepting changes", Panel5);
    OKSB->setObjectName("OKSB");
    HelpButton = new platform::SpeedButton("Help", "Help", Panel5);
    HelpButton->setObjectName("HelpButton");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PrintSB);
    buttons->addWidget(HelpButton);
    buttons->addWidget(OKSB);
    head->addWidget(version, 0, 0);
    head->addWidget(E24, 0, 1, Qt::AlignRight);
    head->addLayout(site, 1, 0);
    head->addWidget(StarPanel, 1, 1);
    head->addLayout(buttons, 2, 0, 1, 2, Qt::AlignRight);

    // Energies per square metre and the adjusted rating.
    Panel6 = panel(this, "Panel6");
    auto* figures = new QGridLayout(Panel6);
    AdjustStarLabel = label(Panel6, "AdjustStarLabel", "");
    CoolLabel = label(Panel6, "CoolLabel", "");
    HeatLabel = label(Panel6, "HeatLabel", "");
    TotalLabel = label(Panel6, "TotalLabel", "");
    const std::pair<const char*, QLabel*> rows[] = {{"Adjusted Star Rating", AdjustStarLabel},
                                                    {"Cooling", CoolLabel},
                                                    {"Heating", HeatLabel},
                                                    {"Total", TotalLabel}};
    int column = 0;
    for (const auto& [caption, value] : rows) {
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        figures->addWidget(new QLabel(caption, Panel6), 0, column++);
        figures->addWidget(value, 0, column++);
    }
    figures->addWidget(new QLabel("MJ/m²", Panel6), 0, column);

    ClientPanel = panel(this, "ClientPanel");
    QFormLayout* client = headedForm(ClientPanel, " Client Details");
    const char* const clientLabels[] = {"Name", "Phone", "Fax", "Email", "Postal Address", "Street Address"};
    for (int i = 1; i <= 6; ++i) client->addRow(clientLabels[i - 1], box(i));

    Panel2 = panel(this, "Panel2");
    QFormLayout* assessor = headedForm(Panel2, " Assessor Details");
    const char* const assessorLabels[] = {
        "Name", "Phone", "Fax", "Email", "Postal Address", "Street Address", "Assessor Number"};
    for (int i = 7; i <= 13; ++i) assessor->addRow(assessorLabels[i - 7], box(i));

    Panel3 = panel(this, "Panel3");
    QFormLayout* dwelling = headedForm(Panel3, " Dwelling Details");
    dwelling->addRow("D P Number", box(14));
    dwelling->addRow("Lot Number", box(16));
    dwelling->addRow(orLabel(Panel3));
    dwelling->addRow("House Number", box(17));
    dwelling->addRow("Street Name", box(18));
    dwelling->addRow("Suburb or Town", box(20));
    dwelling->addRow("State", StateEdit);
    dwelling->addRow(orLabel(Panel3));
    dwelling->addRow("Development Name", box(19));
    dwelling->addRow("Unit Number or Name", box(15));
    dwelling->addRow("Post Code", box(21));

    Panel4 = panel(this, "Panel4");
    auto* certificate = new QVBoxLayout(Panel4);
    for (std::string_view line : short_report_text::kCertification)
        certificate->addWidget(new QLabel(q(line), Panel4));
    certificate->addSpacing(24);
    auto* signature = new QHBoxLayout;
    signature->addWidget(new QLabel("Signed by the assessor", Panel4));
    auto* line = new QFrame(Panel4);
    line->setFrameShape(QFrame::HLine);
    line->setMinimumWidth(200);
    signature->addWidget(line, 1, Qt::AlignBottom);
    signature->addSpacing(24);
    signature->addWidget(new QLabel("Date         /       /", Panel4));
    certificate->addLayout(signature);

    auto* details = new QGridLayout;
    details->addWidget(ClientPanel, 0, 0);
    details->addWidget(Panel2, 0, 1);
    details->addWidget(Panel3, 1, 0, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Panel5);
    layout->addWidget(Panel6);
    layout->addLayout(details);
    layout->addWidget(Panel4);
    setFixedWidth(kPageWidth);

    auto& messages = services_.messages;
    connect(OKSB, &QToolButton::clicked, this, [this] { OKSBClick(); });
    connect(PrintSB, &QToolButton::clicked, this, platform::guarded(messages, [this] { PrintSBClick(); }));
    connect(HelpButton, &QToolButton::clicked, this, [this] { HelpButtonClick(); });
}

void TShortReportForm::showEvent(QShowEvent* event) {
    platform::guarded(services_.messages, [this] { FormShow(); })();
    platform::Dialog::showEvent(event);
}

void TShortReportForm::FormShow() {
    const ShortReportTexts t = ShortReportFigures(history_, model_, tables_);
    StarLabel->setText(q(t.StarLabel));
    Stars.show(t.images);
    TotalLabel->setText(q(t.TotalLabel));
    CoolLabel->setText(q(t.CoolLabel));
    HeatLabel->setText(q(t.HeatLabel));
    AdjustStarLabel->setText(q(t.AdjustStarLabel));
    ProjectN->setText(q(t.ProjectN));
    RunN->setText(q(t.RunN));
    E24->setText(q(t.E24));
    LocationLabel->setText(q(t.LocationLabel));
    ClimateLabel->setText(q(t.ClimateLabel));
    PCLabel->setText(q(t.PCLabel));
    for (int i = 1; i <= kReportDetailBoxes; ++i)
        E[static_cast<std::size_t>(i)]->setText(q(t.E[static_cast<std::size_t>(i)]));
    if (t.StateEdit) StateEdit->setText(q(*t.StateEdit));
}

void TShortReportForm::PrintSBClick() {
    // The page is printed as the assessor sees it, without the window's own buttons.
    QRegion page(rect());
    for (QWidget* b : std::array<QWidget*, 3>{PrintSB, OKSB, HelpButton})
        page -= QRect(b->mapTo(this, QPoint(0, 0)), b->size());
    // Nor does a selection the assessor made in a field go onto the certificate; it is there again
    // after printing.
    struct Selection {
        ReportField* field;
        QTextCursor cursor;
    };
    std::vector<Selection> selections;
    for (ReportField* field : findChildren<ReportField*>()) {
        if (!field->textCursor().hasSelection()) continue;
        selections.push_back({field, field->textCursor()});
        QTextCursor plain = field->textCursor();
        plain.clearSelection();
        field->setTextCursor(plain);
    }
    services_.printing.printWidget(*this, false, page);
    for (const Selection& s : selections) s.field->setTextCursor(s.cursor);
}

void TShortReportForm::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape close the dialog.
    if (platform::isEnterOrEscape(*event)) {
        accept();
        return;
    }
    platform::Dialog::keyPressEvent(event);
}

} // namespace pelmora
