// Checks of a shown dialog's layout as the user sees it: every visible control lies inside the
// dialog, and none is squeezed below the size its text needs.
#pragma once

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <string>

namespace test_support {

// A control's name for a message: its object name, else its class and text.
inline QString ControlName(const QWidget* w) {
    QString name = w->objectName();
    if (name.isEmpty()) name = w->metaObject()->className();
    if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->text().isEmpty())
        name += " \"" + label->text() + "\"";
    if (const auto* button = qobject_cast<const QAbstractButton*>(w); button && !button->text().isEmpty())
        name += " \"" + button->text() + "\"";
    return name;
}

// True when `w` lies inside the scrolled contents of a scroll area below `dialog`: such a widget may
// be scrolled out of sight on purpose.
inline bool InsideScrolledContents(const QWidget* w, const QWidget* dialog) {
    for (const QWidget* p = w; p && p != dialog; p = p->parentWidget()) {
        const QWidget* viewport = p->parentWidget();
        const auto* area =
            viewport ? qobject_cast<const QAbstractScrollArea*>(viewport->parentWidget()) : nullptr;
        if (area && area->viewport() == viewport) return true;
    }
    return false;
}

// The visible controls of a shown dialog that reach past its edge, or that are narrower or lower
// than the least size their text needs (a label, button, check box, edit or drop-down cut short).
// Empty when everything can be read; else one line a control.
inline std::string ControlsCutOff(const QWidget& dialog) {
    QStringList cut;
    const QRect inside = dialog.rect();
    for (const QWidget* w : dialog.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&dialog) || w->isWindow() || InsideScrolledContents(w, &dialog)) continue;
        const QRect where(w->mapTo(&dialog, QPoint(0, 0)), w->size());
        if (!inside.contains(where)) {
            cut << ControlName(w) + QString(" at (%1, %2) %3 x %4 past the dialog's %5 x %6")
                                        .arg(where.x())
                                        .arg(where.y())
                                        .arg(where.width())
                                        .arg(where.height())
                                        .arg(inside.width())
                                        .arg(inside.height());
            continue;
        }
        const bool hasText = qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
                             qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w);
        if (!hasText) continue;
        if (const auto* label = qobject_cast<const QLabel*>(w); label && label->wordWrap()) continue;
        if (w->minimumSize() == w->maximumSize()) continue; // a size of its own, chosen on purpose
        if (w->objectName().startsWith("qt_")) continue; // a part of a composite control (a spin box's edit)
        const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
        if (w->width() < least.width() || w->height() < least.height())
            cut << ControlName(w) + QString(" squeezed to %1 x %2 below its %3 x %4")
                                        .arg(w->width())
                                        .arg(w->height())
                                        .arg(least.width())
                                        .arg(least.height());
    }
    return cut.join("\n").toStdString();
}

} // namespace test_support
