#include "modeller/platform/forms.h"

#include "modeller/platform/help_service.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace platform {

Dialog::Dialog(HelpService& help, QWidget* parent) : QDialog(parent), help_(help) {}

void keepOnScreen(QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen) screen = window.screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    // The right and bottom edges are brought in first, so that a window larger than the area keeps
    // its left and top edges on it.
    int x = std::min(frame.x(), area.x() + area.width() - frame.width());
    int y = std::min(frame.y(), area.y() + area.height() - frame.height());
    x = std::max(x, area.x());
    y = std::max(y, area.y());
    if (x != frame.x() || y != frame.y()) window.move(x, y);
}

bool Dialog::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    // After the dialog's own show handler, which may have given it its size for what it shows; and
    // whenever an open dialog grows to show more.
    const bool shown = event->type() == QEvent::Show;
    const bool resized = event->type() == QEvent::Resize && isVisible();
    if ((shown || resized) && isWindow()) keepOnScreen(*this);
    return handled;
}

void Dialog::HelpButtonClick() {
    help_.showTopic(HelpContext);
}

bool isEnterOrEscape(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter || event.key() == Qt::Key_Escape;
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

namespace {

// The room a label has for its text: its contents less its margins and indent.
int TextRoom(const QLabel& label) {
    const int indent = label.indent() > 0 ? label.indent() : 0;
    return label.contentsRect().width() - 2 * label.margin() - indent;
}

} // namespace

void ElidingLabel::setText(const QString& text) {
    QLabel::setText(text);
    updateToolTip();
}

bool ElidingLabel::isCut() const {
    return fontMetrics().horizontalAdvance(text()) > TextRoom(*this);
}

QSize ElidingLabel::minimumSizeHint() const {
    // As high as one line of text, and as narrow as the frame and an ellipsis: the text is cut to the
    // width the label is given, never the other way round.
    const QSize line = QLabel::minimumSizeHint();
    const int least = 2 * frameWidth() + 2 * margin() + fontMetrics().horizontalAdvance(QChar(0x2026));
    return {least, line.height()};
}

void ElidingLabel::paintEvent(QPaintEvent* event) {
    updateToolTip(); // a text set through QLabel itself is caught here
    if (!isCut()) {
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, TextRoom(*this));
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(room, static_cast<int>(alignment() & Qt::AlignVertical_Mask) | Qt::AlignLeft, shown);
}

void ElidingLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    updateToolTip();
}

void ElidingLabel::updateToolTip() {
    const QString tip = isCut() ? text() : QString();
    if (toolTip() != tip) setToolTip(tip);
}

PanelStatusBar::PanelStatusBar(const std::vector<int>& widths, QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    for (std::size_t i = 0; i < widths.size(); ++i) {
        auto* panel = new ElidingLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        const bool last = i + 1 == widths.size();
        if (last)
            panel->setMinimumWidth(widths[i]);
        else
            panel->setFixedWidth(widths[i]);
        addWidget(panel, last ? 1 : 0);
        panels_.push_back(panel);
    }
}

void PanelStatusBar::setPanelText(int panel, const QString& text) {
    panels_.at(static_cast<std::size_t>(panel))->setText(text);
}

QString PanelStatusBar::panelText(int panel) const {
    return panels_.at(static_cast<std::size_t>(panel))->text();
}

} // namespace platform
