#include "modeller/engine_input/engine_console_form.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>

namespace pelmora {
namespace {

constexpr int kConsoleColumns = 80;
constexpr int kConsoleRows = 16;

// The busy cursor for as long as the engine runs.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

TEngineConsoleForm::TEngineConsoleForm(QWidget* parent) : QDialog(parent) {
    setObjectName("EngineConsoleForm");
    setWindowTitle(kCaption);
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    ConsoleText = new QPlainTextEdit(this);
    ConsoleText->setObjectName("ConsoleText");
    ConsoleText->setReadOnly(true);
    ConsoleText->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    ConsoleText->setFont(font);
    const QFontMetrics metrics(font);
    ConsoleText->setMinimumSize(metrics.horizontalAdvance(QString(kConsoleColumns, 'M')),
                                metrics.lineSpacing() * kConsoleRows);

    engine_ = new EngineProcess(this);
    connect(engine_, &EngineProcess::ConsoleLine, this, &TEngineConsoleForm::ConsoleLine);
    connect(engine_, &EngineProcess::Ended, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ConsoleText);
}

EngineResult TEngineConsoleForm::ExecAndWait(const std::filesystem::path& programFolder) {
    const BusyCursor busy;
    ConsoleText->clear();
    if (!engine_->Start(programFolder)) return engine_->result();
    if (engine_->running()) exec();
    // The window is gone; make sure the engine has too before its end is judged.
    return engine_->WaitForEnd();
}

void TEngineConsoleForm::ConsoleLine(const QString& line) {
    ConsoleText->appendPlainText(line);
}

void TEngineConsoleForm::reject() {
    // Escape does not close the console while the engine runs.
    if (engine_->running()) return;
    QDialog::reject();
}

void TEngineConsoleForm::closeEvent(QCloseEvent* event) {
    if (engine_->running()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace pelmora
