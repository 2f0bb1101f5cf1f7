#include "modeller/results/info_form.h"

#include "common/file_lookup.h"
#include "modeller/platform/application.h"
#include "modeller/platform/message_service.h"
#include "modeller/platform/print_service.h"

#include <QApplication>
#include <QColor>
#include <QFontMetricsF>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace pelmora {

namespace text = building_details_text;

namespace {

QFont reportFont(const ReportDocument& document) {
    QFont font(platform::Utf8(document.fontName));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(document.fontSize);
    return font;
}

// 0x00BBGGRR as the screen's colour.
QColor zoneColour(std::int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

constexpr int kTitleTop = 100; // printer pixels
constexpr int kFirstRow = 4;   // rows above the first line of a page
constexpr int kFooterLeft = 50;
constexpr int kFooterRuleGap = 40; // printer pixels between the footer's rule and its text

} // namespace

// The pass's question as a Yes/No box, its deleted windows as an information box; the report is
// built whatever the answer.
class TInfoForm::Question : public StairwellQuestion {
  public:
    explicit Question(platform::MessageService& messages) : messages_(messages) {}
    bool ConfirmStairwellDeletion(const std::string& text) override {
        return messages_.confirm(platform::Utf8(text), false) == platform::Answer::Yes;
    }
    void ReportDeletedWindows(const std::string& text) override {
        messages_.information(platform::Utf8(text));
    }

  private:
    platform::MessageService& messages_;
};

void FillTextDocument(const ReportDocument& document, QTextDocument& target) {
    target.clear();
    const QFont font = reportFont(document);
    target.setDefaultFont(font);
    QTextCursor cursor(&target);
    for (std::size_t i = 0; i < document.lines.size(); ++i) {
        const ReportLine& line = document.lines[i];
        const ReportStyle style = ReportFontStyle(line.style);
        const ReportRgb rgb = ReportColourRgb(style.colour);
        QTextCharFormat format;
        format.setFont(font);
        format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
        format.setForeground(QColor(rgb.red, rgb.green, rgb.blue));
        if (i > 0) cursor.insertBlock(QTextBlockFormat(), format);
        cursor.setBlockCharFormat(format);
        cursor.insertText(platform::Utf8(line.text), format);
    }
}

bool PrintReportPages(QPrinter& printer, const ReportDocument& document, const std::string& projectName,
                      int runNumber) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    QFont font = reportFont(document);
    const QString identity = platform::Utf8(projectName) + " Run " + QString::number(runNumber);
    const int pageWidth = printer.width();   // printer pixels
    const int pageHeight = printer.height(); // printer pixels
    // The widest line must fit across the page, or its end would be lost: the font is made smaller
    // until it does.
    qsizetype widest = 0;
    for (const ReportLine& line : document.lines) widest = std::max(widest, platform::Utf8(line.text).size());
    while (font.pointSizeF() > 4.0 &&
           QFontMetricsF(font, &printer).horizontalAdvance(QString(widest, 'M')) > pageWidth)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int h = PrintLineHeight(font.pointSizeF(), printer.logicalDpiY());
    const int linesPerPage = pageHeight / h - kFirstRow;
    const auto drawAt = [&](int x, int y, const QString& line) {
        painter.drawText(QRect(x, y, pageWidth - x, h), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                         line);
    };
    int page = 1;
    const auto printFooter = [&] {
        const QString footerText = QString::fromLatin1(text::kVersion.data(), text::kVersion.size()) +
                                   QString(34, ' ') + "Details of " + identity + QString(31, ' ') + "Page " +
                                   QString::number(page);
        painter.drawText(QRect(kFooterLeft, pageHeight - 2 * h, pageWidth - kFooterLeft, h), Qt::AlignCenter,
                         footerText);
        const int ruleY = pageHeight - 2 * h - kFooterRuleGap;
        painter.drawLine(0, ruleY, pageWidth, ruleY);
    };
    drawAt(0, kTitleTop, "Project " + identity + " Building Details");
    int row = kFirstRow;
    for (const ReportLine& line : document.lines) {
        ++row;
        if (row >= linesPerPage) {
            printFooter();
            if (!printer.newPage()) return false;
            ++page;
            row = kFirstRow;
        }
        drawAt(0, row * h, platform::Utf8(line.text));
    }
    printFooter();
    return painter.end();
}

TInfoForm::TInfoForm(HouseModel& model, MaterialTables& tables, PlanView& view, std::int32_t& currentZone,
                     bool& detailedReportOpen, platform::Services& services, QWidget* parent)
    : platform::Dialog(services.help, parent), model_(model), tables_(tables), view_(view),
      currentZone_(currentZone), detailedReportOpen_(detailedReportOpen), services_(services),
      question_(std::make_unique<Question>(services.messages)) {
    setObjectName("InfoForm");
    setWindowTitle(platform::Utf8(text::kCaption));
    setModal(false);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    HelpContext = kHelpTopic;
    build();
}

TInfoForm::~TInfoForm() = default;

void TInfoForm::build() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 0);
    auto& messages = services_.messages;
    const auto speedButton = [&](const char* name, const QString& caption, const QString& hint) {
        auto* b = new platform::SpeedButton(caption, hint, this);
        b->setObjectName(name);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return b;
    };
    const auto on = [&](QAbstractButton* b, auto handler) {
        connect(b, &QAbstractButton::clicked, this, platform::guarded(messages, handler));
    };

    auto* top = new QHBoxLayout;
    SBsave = speedButton("SBsave", "Save", "Save File");
    PrintSB = speedButton("PrintSB", "Print", "Print Report");
    HelpButton = speedButton("HelpButton", "Help", "Help");
    top->addWidget(SBsave);
    top->addWidget(PrintSB);
    top->addWidget(HelpButton);
    top->addSpacing(12);
    ZNum = new QLabel(this);
    ZNum->setObjectName("ZNum");
    ZoneNumUpDown = new platform::UpDown(0, 0, this);
    ZoneNumUpDown->setObjectName("ZoneNumUpDown");
    ZoneColourPanel = new QFrame(this);
    ZoneColourPanel->setObjectName("ZoneColourPanel");
    ZoneColourPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ZoneColourPanel->setFixedSize(24, 20);
    ZoneColourPanel->setAutoFillBackground(true);
    ZoneNameLb = new QLabel(this);
    ZoneNameLb->setObjectName("ZoneNameLb");
    ZoneNameLb->setMinimumWidth(120);
    top->addWidget(ZoneNumUpDown);
    top->addWidget(ZNum);
    top->addWidget(ZoneColourPanel);
    top->addWidget(ZoneNameLb);
    top->addStretch();
    OKSB = speedButton("OKSB", "Close", "Close");
    top->addWidget(OKSB);
    column->addLayout(top);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* sections = new QHBoxLayout(Panel1);
    sections->setContentsMargins(2, 2, 2, 2);
    sections->setSpacing(1);
    const auto section = [&](const char* name, const QString& caption, const QString& hint,
                             bool ReportSwitches::*which) {
        platform::SpeedButton* b = speedButton(name, caption, hint);
        sections->addWidget(b);
        on(b, [this, which] { SectionClick(which); });
        return b;
    };
    SBExtWall = section("SBExtWall", "Ext Wall", "External Wall", &ReportSwitches::ExtWall);
    SBIntWall = section("SBIntWall", "Int Wall", "Internal Wall", &ReportSwitches::IntWall);
    SBExtFloor = section("SBExtFloor", "Ext Floor", "External Floor", &ReportSwitches::ExtFloor);
    SBIntCeiling = section("SBIntCeiling", "Int Ceil", "Internal Ceiling", &ReportSwitches::IntCeiling);
    SBIntFloorCover =
        section("SBIntFloorCover", "Int Floor", "Internal Floor Cover", &ReportSwitches::IntFloorCover);
    SBExtCeiling = section("SBExtCeiling", "Ceiling", "Ceiling to Roof", &ReportSwitches::ExtCeiling);
    SBRoof = section("SBRoof", "Roof", "Roof", &ReportSwitches::Roof);
    SBDoor = section("SBDoor", "Door", "Door", &ReportSwitches::Door);
    SBWindow = section("SBWindow", "Window", "Window", &ReportSwitches::Window);
    SBSkylight = section("SBSkylight", "Skylight", "Skylight", &ReportSwitches::Skylight);
    SBStairWell = section("SBStairWell", "Stair", "Stairwell", &ReportSwitches::StairWell);
    SBAirFlow = section("SBAirFlow", "Air", "Air Flow", &ReportSwitches::AirFlow);
    sections->addSpacing(8);
    DetSB = speedButton("DetSB", "SUM", "SUM");
    AllSB = speedButton("AllSB", "ALL", "Refresh Screen");
    sections->addWidget(DetSB);
    sections->addWidget(AllSB);
    sections->addStretch();
    column->addWidget(Panel1);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->setReadOnly(true);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    column->addWidget(RichEdit1, 1);

    StatusBar1 = new platform::PanelStatusBar({0}, this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    column->addWidget(StatusBar1);

    on(SBsave, [this] { SBsaveClick(); });
    on(PrintSB, [this] { PrintSBClick(); });
    on(HelpButton, [this] { HelpButtonClick(); });
    on(OKSB, [this] { OKSBClick(); });
    on(DetSB, [this] { DetSBClick(); });
    on(AllSB, [this] { AllSBClick(); });
    connect(ZoneNumUpDown, &QSpinBox::valueChanged, this,
            platform::guarded(messages, [this] { ZoneNumUpDownClick(); }));
    resize(sizeHint());
}

void TInfoForm::ShowStartingOn(int zone) {
    currentZone_ = zone;
    detailedReportOpen_ = true;
    // Opened from a dialog that waits for its answer (zone details), the report would be blocked with
    // everything else that dialog blocks; it then takes the input itself until it is closed.
    QWidget* waiting = QApplication::activeModalWidget();
    const Qt::WindowModality modality = waiting && waiting != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != modality) {
        hide();
        setWindowModality(modality);
    }
    if (isVisible()) {
        FormShow();
        raise();
        activateWindow();
        return;
    }
    show();
}

void TInfoForm::showEvent(QShowEvent* event) {
    platform::Dialog::showEvent(event);
    if (event->spontaneous()) return;
    platform::guarded(services_.messages, [this] { FormShow(); })();
}

void TInfoForm::hideEvent(QHideEvent* event) {
    platform::Dialog::hideEvent(event);
    if (!event->spontaneous()) detailedReportOpen_ = false;
}

void TInfoForm::keyPressEvent(QKeyEvent* event) {
    if (platform::isEnterOrEscape(*event)) {
        OKSBClick();
        return;
    }
    platform::Dialog::keyPressEvent(event);
}

void TInfoForm::FormShow() {
    ShowAll();
    SelectedZone = currentZone_;
    // The chooser's range follows the zones before its position is set.
    const QSignalBlocker quiet(ZoneNumUpDown);
    ZoneNumUpDown->setRange(0, std::max(model_.ZoneCount, 0));
    ZoneNumUpDown->setValue(currentZone_);
    ChangeZone();
    Display();
}

void TInfoForm::ChangeZone() {
    {
        const QSignalBlocker quiet(ZoneNumUpDown);
        ZoneNumUpDown->setRange(0, std::max(model_.ZoneCount, 0));
    }
    SelectedZone = ZoneNumUpDown->value();
    model_.DisplayZone = SelectedZone;
    if (SelectedZone == 0) {
        ZNum->clear();
        ZoneNameLb->setText(platform::Utf8(text::kAllZones));
        ZoneColourPanel->hide();
        return;
    }
    ZoneNameLb->setText(platform::Utf8(model_.Zones(SelectedZone).Name));
    ZNum->setText("Zone " + QString::number(SelectedZone));
    QPalette palette = ZoneColourPanel->palette();
    palette.setColor(QPalette::Window, zoneColour(model_.Zones(SelectedZone).Colour));
    ZoneColourPanel->setPalette(palette);
    ZoneColourPanel->show();
    switches.Summary = false;
}

void TInfoForm::Display() {
    BuildingDetails details(model_, tables_, view_, *question_);
    // The text is replaced only by a report built whole.
    ReportDocument built = details.Display(switches, SelectedZone);
    document_ = std::move(built);
    FillTextDocument(document_, *RichEdit1->document());
    GoToTop();
}

void TInfoForm::GoToTop() {
    QTextCursor cursor = RichEdit1->textCursor();
    cursor.movePosition(QTextCursor::Start);
    RichEdit1->setTextCursor(cursor);
    RichEdit1->ensureCursorVisible();
    RichEdit1->horizontalScrollBar()->setValue(0);
    RichEdit1->setFocus();
}

void TInfoForm::AllSBClick() {
    ShowAll();
    Display();
}

void TInfoForm::DetSBClick() {
    HideAll();
    switches.Summary = true;
    switches.ZoneHeading = false;
    Display();
}

void TInfoForm::SectionClick(bool ReportSwitches::*section) {
    HideAll();
    switches.*section = true;
    switches.ZoneHeading = true;
    Display();
}

void TInfoForm::OKSBClick() {
    detailedReportOpen_ = false;
    close();
}

std::filesystem::path TInfoForm::ReportFileName() const {
    const std::string name = model_.ProjectName + "_" + IntText(model_.RunNumber) + ".RTF";
    return common::resolveForWriting(model_.RootDir, "OUTPUT/" + name);
}

void TInfoForm::SBsaveClick() {
    const std::filesystem::path file = ReportFileName();
    SaveRichText(document_, file);
    StatusBar1->setPanelText(0, platform::Utf8(text::kSavedAs) + QString::fromStdString(file.string()));
}

void TInfoForm::PrintSBClick() {
    const QString title =
        "Project " + platform::Utf8(model_.ProjectName) + " Run " + QString::number(model_.RunNumber);
    services_.printing.printPages(title, [this](QPrinter& printer) {
        return PrintReportPages(printer, document_, model_.ProjectName, model_.RunNumber);
    });
}

} // namespace pelmora
