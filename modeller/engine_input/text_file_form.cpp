#include "modeller/engine_input/text_file_form.h"

#include "common/text_values.h"
#include "modeller/platform/controls.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <vector>

namespace pelmora {
namespace {

bool isEnterOrEscape(const QKeyEvent* event) {
    return event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

TTextFileForm::TTextFileForm(platform::HelpService& help, QWidget* parent) : platform::Dialog(help, parent) {
    setObjectName("TextFileForm");
    setWindowTitle(kCaption);
    // No title-bar buttons, above the other windows.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
    setModal(false);

    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->setReadOnly(true);
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(kFontFamily);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPixelSize(kFontPixels);
    RichEdit1->setFont(font);
    RichEdit1->viewport()->installEventFilter(this);
    RichEdit1->installEventFilter(this);

    Label1 = new QLabel(kLabelText, this);
    Label1->setObjectName("Label1");
    OKSB = new platform::SpeedButton(kOKCaption, kOKHint, this);
    OKSB->setObjectName("OKSB");
    HelpSB = new platform::SpeedButton("?", kHelpHint, this);
    HelpSB->setObjectName("HelpSB");
    connect(OKSB, &QToolButton::clicked, this, [this] { OKSBClick(); });
    connect(HelpSB, &QToolButton::clicked, this, [this] { HelpButtonClick(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Label1, 1);
    buttons->addWidget(OKSB);
    buttons->addWidget(HelpSB);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RichEdit1, 1);
    layout->addLayout(buttons);
    resize(700, 500);
}

void TTextFileForm::LoadTextIntoViewer(const std::filesystem::path& file) {
    const std::vector<std::string> lines = common::readTextLines(file);
    RichEdit1->clear();
    for (const std::string& line : lines) RichEdit1->appendPlainText(QString::fromStdString(line));
}

void TTextFileForm::ShowViewer(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
    show();
    raise();
}

void TTextFileForm::FormShow() {
    QTextCursor start = RichEdit1->textCursor();
    start.movePosition(QTextCursor::Start);
    RichEdit1->setTextCursor(start);
}

void TTextFileForm::RichEdit1MouseDown(QPoint position) {
    const QTextCursor caret = RichEdit1->cursorForPosition(position);
    Label1->setText(
        QString("Column %1, Row %2").arg(caret.positionInBlock() + 1).arg(caret.blockNumber() + 1));
}

void TTextFileForm::showEvent(QShowEvent* event) {
    platform::Dialog::showEvent(event);
    FormShow();
}

bool TTextFileForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == RichEdit1->viewport() && event->type() == QEvent::MouseButtonPress) {
        RichEdit1MouseDown(static_cast<QMouseEvent*>(event)->position().toPoint());
    }
    if (watched == RichEdit1 && event->type() == QEvent::KeyPress &&
        isEnterOrEscape(static_cast<QKeyEvent*>(event))) {
        OKSBClick();
        return true;
    }
    return platform::Dialog::eventFilter(watched, event);
}

void TTextFileForm::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape close the viewer like its OK button.
    if (isEnterOrEscape(event)) {
        OKSBClick();
        return;
    }
    platform::Dialog::keyPressEvent(event);
}

} // namespace pelmora
