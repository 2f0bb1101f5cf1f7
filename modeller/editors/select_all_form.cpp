#include "modeller/editors/select_all_form.h"

#include "modeller/editors/element_editor_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace pelmora {

namespace {

constexpr Qt::WindowFlags kPaletteFlags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                          Qt::WindowStaysOnTopHint;

} // namespace

PaletteGrid::PaletteGrid(MaterialPalette& palette, QWidget* parent) : QWidget(parent), palette_(palette) {
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette p = QWidget::palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void PaletteGrid::load() {
    pictures_.clear();
    for (const auto& bytes : palette_.Pictures) {
        QImage image;
        image.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "BMP");
        pictures_.push_back(image);
    }
    setFixedSize(palette_.PaletteColumns * palette_.CellWidth, palette_.GridRows * palette_.CellHeight);
    update();
}

int PaletteGrid::cellAt(QPoint point) const {
    if (palette_.CellWidth <= 0 || palette_.CellHeight <= 0 || point.x() < 0 || point.y() < 0) return -1;
    const int column = point.x() / palette_.CellWidth;
    const int row = point.y() / palette_.CellHeight;
    const int index = column + row * palette_.PaletteColumns;
    if (column >= palette_.PaletteColumns || index >= palette_.RowCount) return -1;
    return index;
}

void PaletteGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int selected = palette_.SelectedCell();
    for (int i = 0; i < static_cast<int>(pictures_.size()); ++i) {
        const QRect cell((i % palette_.PaletteColumns) * palette_.CellWidth,
                         (i / palette_.PaletteColumns) * palette_.CellHeight, palette_.CellWidth,
                         palette_.CellHeight);
        if (i == selected) painter.fillRect(cell, Qt::gray);
        // A picture area taller than the picture shows it centred in its own shape.
        const QImage& image = pictures_[static_cast<std::size_t>(i)];
        const QSize size = image.isNull() ? QSize(palette_.PictureWidth, palette_.PictureHeight)
                                          : image.size().scaled(palette_.PictureWidth, palette_.PictureHeight,
                                                                Qt::KeepAspectRatio);
        const QRect picture(cell.x() + (cell.width() - size.width()) / 2,
                            cell.y() + (cell.height() - size.height()) / 2, size.width(), size.height());
        painter.drawImage(picture, image);
    }
}

void PaletteGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    palette_.imagegridMouseMove(p.x(), p.y());
    const int cell = cellAt(p);
    setToolTip(cell >= 0 && cell < static_cast<int>(palette_.lbmaterials.size())
                   ? q(palette_.lbmaterials[static_cast<std::size_t>(cell)])
                   : QString());
}

void PaletteGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int cell = cellAt(event->position().toPoint());
    if (cell >= 0) palette_.ChooseCell(cell);
}

TSelectAllForm::TSelectAllForm(MaterialPalette& palette, platform::Services& services, QWidget* owner)
    : platform::Dialog(services.help, owner), palette_(palette), owner_(owner) {
    setObjectName("SelectAllForm");
    setWindowFlags(kPaletteFlags);
    setWindowTitle(q(std::string(MaterialPalette::kDesignCaption)));
    setModal(false);
    QPalette p = QWidget::palette();
    p.setColor(QPalette::Window, QColor(192, 192, 192)); // silver
    setPalette(p);
    setAutoFillBackground(true);
    imagegrid = new PaletteGrid(palette, this);
    materialstatusbar = new platform::ElidingLabel(this);
    materialstatusbar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 4);
    layout->addWidget(imagegrid, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    layout->addWidget(materialstatusbar);
    palette.setView(this);
}

TSelectAllForm::~TSelectAllForm() {
    palette_.setView(nullptr);
}

void TSelectAllForm::showPalette() {
    // The editor whose picture was clicked runs modally: the palette becomes its tool window, which
    // its modal run leaves free to click.
    QWidget* editor = QApplication::activeModalWidget();
    if (editor && editor != this && parentWidget() != editor) setParent(editor, kPaletteFlags);
    setWindowTitle(q(palette_.PaletteCaption));
    imagegrid->load();
    imagegrid->setToolTip(QString());
    refreshPalette();
    followEditor(editor && editor != this ? editor : nullptr);
    // The window keeps the size of its grid: neither a long description nor the grid of a larger
    // table shown before may widen or heighten it.  The status bar cuts a description it cannot hold.
    setFixedSize(palette_.WindowWidth, palette_.WindowHeight);
    placePalette();
    show();
    placePalette(); // the window frame is known once the window is shown
    raise();
}

void TSelectAllForm::hidePalette() {
    followEditor(nullptr);
    hide();
    if (parentWidget() != owner_) setParent(owner_, kPaletteFlags);
}

void TSelectAllForm::refreshPalette() {
    materialstatusbar->setText(q(palette_.StatusText));
    imagegrid->update();
}

void TSelectAllForm::placePalette() {
    // The palette's place comes from the editor's left edge; its own frame may be wider than that
    // place allows, so it moves further left until it covers no part of the editor, or to the
    // editor's right where the screen has no room on its left.
    int left = palette_.Left;
    if (editor_) {
        const QRect editor = editor_->frameGeometry();
        const int outerWidth = std::max(frameGeometry().width(), palette_.WindowWidth);
        left = std::min(left, editor.left() - outerWidth);
        const QScreen* screen = editor_->screen();
        if (screen && left < screen->availableGeometry().left() &&
            editor.right() + 1 + outerWidth <= screen->availableGeometry().right() + 1)
            left = editor.right() + 1;
    }
    move(left, palette_.Top);
}

void TSelectAllForm::followEditor(QWidget* editor) {
    if (editor_ == editor) return;
    if (editor_) editor_->removeEventFilter(this);
    editor_ = editor;
    if (editor_) editor_->installEventFilter(this);
}

bool TSelectAllForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        palette_.FollowEditor(editor_->x(), editor_->y());
    return platform::Dialog::eventFilter(watched, event);
}

void TSelectAllForm::closeEvent(QCloseEvent* event) {
    // The close box closes the palette as an editor does; Close hides the window.
    event->ignore();
    palette_.Close();
}

} // namespace pelmora
