#include "modeller/editors/element_editor_form.h"

#include "modeller/platform/application.h"
#include "modeller/platform/message_service.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <exception>

namespace pelmora {

QColor ColourOf(std::int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

platform::SpeedButton* ColourPreset(const char* caption, std::int32_t colour, QWidget* parent) {
    auto* button = new platform::SpeedButton(caption, caption, parent);
    const QColor c = ColourOf(colour);
    button->setStyleSheet(
        QString("background-color: %1; color: %2").arg(c.name(), c.lightness() < 128 ? "white" : "black"));
    return button;
}

PicturePanel::PicturePanel(int width, int height, QWidget* parent) : QLabel(parent) {
    setFixedSize(width, height);
    setScaledContents(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setCursor(Qt::PointingHandCursor);
}

void PicturePanel::showRow(const TableCursor& cursor) {
    if (!cursor.Active()) return;
    if (table_ == &cursor.Table() && record_ == cursor.RecNo()) return;
    table_ = &cursor.Table();
    record_ = cursor.RecNo();
    const std::vector<std::uint8_t> bytes = cursor.Picture();
    QImage image;
    image.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "BMP");
    setPixmap(QPixmap::fromImage(image));
}

PictureAnchor PicturePanel::anchor() const {
    const QWidget* dialog = window();
    return PictureAnchor{dialog->x(), dialog->y(), width(), height()};
}

void PicturePanel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

ColourPanel::ColourPanel(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    setMinimumSize(40, 24);
}

void ColourPanel::setColour(std::int32_t colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, ColourOf(colour));
    setPalette(p);
}

void ColourPanel::mouseReleaseEvent(QMouseEvent* event) {
    QFrame::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

ElevationBox::ElevationBox(const ElevationPicture& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    // The picture may not exist yet (the dialog's editor is made after its widgets): only keep it.
    setFixedSize(kPreviewWidth, kPreviewHeight);
}

void ElevationBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ColourOf(preview_colour::kSilver));
    painter.setPen(QPen(Qt::black, 1));
    for (const PreviewRect& r : picture_.Rects) {
        if (r.Width <= 0 || r.Height <= 0) continue;
        painter.setBrush(ColourOf(r.Colour));
        // The outline lies on the rectangle's outer pixels, as the filled rectangle covers them.
        painter.drawRect(r.Left, r.Top, r.Width - 1, r.Height - 1);
    }
}

ElementEditorForm::ElementEditorForm(ElementEditor& editor, platform::Services& services,
                                     const char* objectName, std::string_view changeAllHint, QWidget* parent)
    : platform::Dialog(services.help, parent), messages_(services.messages), editor_(editor) {
    setObjectName(objectName);
    setModal(true);
    OKSB = new platform::SpeedButton("  OK", "Close accepting changes", this);
    CancelSB = new platform::SpeedButton("Cancel", "Close without changes", this);
    CopyButton = new platform::SpeedButton("Copy", "Copy", this);
    PasteButton = new platform::SpeedButton("Paste", "Paste", this);
    HelpButton = new platform::SpeedButton("Help", "Help", this);
    ResetButton = new platform::SpeedButton("Reset", "Restore original value", this);
    ChangeAllToDefaultSB = new platform::SpeedButton("Change All", platform::Utf8(changeAllHint), this);
    ZoneColourPanel = new ColourPanel(this);
    ZoneColourPanel->setToolTip("Zone colour");

    buttons_ = new QWidget(this);
    auto* row = new QHBoxLayout(buttons_);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w :
         {static_cast<QWidget*>(OKSB), static_cast<QWidget*>(CancelSB), static_cast<QWidget*>(CopyButton),
          static_cast<QWidget*>(PasteButton), static_cast<QWidget*>(ResetButton),
          static_cast<QWidget*>(HelpButton), static_cast<QWidget*>(ChangeAllToDefaultSB)})
        row->addWidget(w);
    row->addStretch(1);
    row->addWidget(ZoneColourPanel);

    connect(OKSB, &QToolButton::clicked, this, [this] { okClicked(); });
    connect(CancelSB, &QToolButton::clicked, this, [this] { cancelClicked(); });
    connect(CopyButton, &QToolButton::clicked, this, [this] { run([this] { editor_.CopyButtonClick(); }); });
    connect(PasteButton, &QToolButton::clicked, this,
            [this] { run([this] { editor_.PasteButtonClick(); }); });
    connect(ResetButton, &QToolButton::clicked, this,
            [this] { run([this] { editor_.ResetButtonClick(); }); });
    connect(HelpButton, &QToolButton::clicked, this, [this] { HelpButtonClick(); });
    connect(ChangeAllToDefaultSB, &QToolButton::clicked, this,
            [this] { run([this] { editor_.ChangeAllToDefaultSBClick(); }); });
}

QWidget* ElementEditorForm::buttonRow() {
    return buttons_;
}

void ElementEditorForm::bindEdit(platform::EditBox* box, EditText& text) {
    connect(box, &platform::EditBox::changed, this,
            [this, box, &text] { run([box, &text] { text.SetText(box->text().toStdString()); }); });
    connect(box, &platform::EditBox::typingEnded, this,
            [this, &text] { run([&text] { text.EndTyping(); }); });
}

void ElementEditorForm::bindRadio(platform::RadioGroup* group, RadioChoice& choice) {
    connect(group, &platform::RadioGroup::clicked, this,
            [this, &choice](int item) { run([&choice, item] { choice.SetItemIndex(item); }); });
}

void ElementEditorForm::showEdit(platform::EditBox* box, const EditText& text) {
    const QSignalBlocker blocker(box);
    box->setText(q(text.Text()));
}

void ElementEditorForm::showRadio(platform::RadioGroup* group, const RadioChoice& choice) {
    const QSignalBlocker blocker(group);
    group->setItemIndex(choice.ItemIndex());
}

void ElementEditorForm::run(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        platform::showEscapedError(&messages_, std::current_exception());
    }
    refreshEditor();
}

bool ElementEditorForm::prepare() {
    try {
        editor_.FormShow();
    } catch (...) {
        platform::showEscapedError(&messages_, std::current_exception());
        // An editor that could not be filled ends as a cancelled one: an element being inserted is
        // removed by its opener.
        editor_.CancelSBClick();
        editor_.FormClose();
        return false;
    }
    prepared_ = true;
    refreshEditor();
    return true;
}

int ElementEditorForm::ShowModal() {
    if (!prepare()) return QDialog::Rejected;
    return exec();
}

bool ElementEditorForm::ShowEditor() {
    if (!prepare()) return false;
    show();
    return true;
}

void ElementEditorForm::showEvent(QShowEvent* event) {
    // A plain show or exec fills the editor as ShowModal does.
    if (!prepared_ && !prepare()) QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
    platform::Dialog::showEvent(event);
}

void ElementEditorForm::done(int result) {
    if (prepared_) editor_.FormClose();
    prepared_ = false;
    platform::Dialog::done(result);
}

void ElementEditorForm::okClicked() {
    bool close = false;
    run([this, &close] { close = editor_.OKSBClick(); });
    if (close) accept();
}

void ElementEditorForm::cancelClicked() {
    run([this] { editor_.CancelSBClick(); });
    reject();
}

void ElementEditorForm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        okClicked();
        return;
    case Qt::Key_Escape:
        cancelClicked();
        return;
    default:
        platform::Dialog::keyPressEvent(event);
    }
}

void ElementEditorForm::closeEvent(QCloseEvent* event) {
    // The window's close box writes nothing, as Cancel.
    if (isVisible()) editor_.CancelSBClick();
    platform::Dialog::closeEvent(event);
}

void ElementEditorForm::refreshEditor() {
    const QSignalBlocker blockSelf(this);
    setWindowTitle(q(editor_.Caption));
    PasteButton->setVisible(editor_.PasteButtonVisible);
    ChangeAllToDefaultSB->setVisible(editor_.ChangeAllToDefaultSBVisible);
    ZoneColourPanel->setVisible(editor_.ZoneColourPanelVisible);
    ZoneColourPanel->setColour(editor_.ZoneColourPanel);
    refreshControls();
}

} // namespace pelmora
