#include "modeller/platform/forms.h"

#include "modeller/platform/help_service.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace platform {

Dialog::Dialog(HelpService& help, QWidget* parent) : QDialog(parent), help_(help) {}

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

PanelStatusBar::PanelStatusBar(const std::vector<int>& widths, QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    for (std::size_t i = 0; i < widths.size(); ++i) {
        auto* panel = new QLabel(this);
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
