#include "modeller/platform/controls.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QButtonGroup>
#include <QCursor>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QRadioButton>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace platform {

SpeedButton::SpeedButton(const QString& caption, const QString& hint, QWidget* parent) : QToolButton(parent) {
    setText(caption);
    setToolTip(hint);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
}

void SpeedButton::setDown(bool down) {
    const bool wasBlocked = blockSignals(true);
    setChecked(down);
    blockSignals(wasBlocked);
}

void SpeedButton::enterEvent(QEnterEvent* event) {
    flat_ = true;
    update();
    QToolButton::enterEvent(event);
}

void SpeedButton::leaveEvent(QEvent* event) {
    flat_ = false;
    update();
    QToolButton::leaveEvent(event);
}

void SpeedButton::hideEvent(QHideEvent* event) {
    // A hidden button is under no pointer; shown again, it gets an enter event if the pointer is there.
    flat_ = false;
    QToolButton::hideEvent(event);
}

void SpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    // The release runs the click's action; the action may delete the button's dialog.
    const QPointer<SpeedButton> self(this);
    QToolButton::mouseReleaseEvent(event);
    if (self) followPointer();
}

void SpeedButton::keyReleaseEvent(QKeyEvent* event) {
    const QPointer<SpeedButton> self(this);
    QToolButton::keyReleaseEvent(event);
    if (self) followPointer();
}

void SpeedButton::followPointer() {
    const QWidget* under = QApplication::widgetAt(QCursor::pos());
    const bool over = under && (under == this || isAncestorOf(under));
    if (over == flat_) return;
    flat_ = over;
    update();
}

void SpeedButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    if (flat_ && !isChecked()) {
        option.state &= ~(QStyle::State_Raised | QStyle::State_MouseOver);
        option.state |= QStyle::State_AutoRaise;
    } else {
        option.state &= ~QStyle::State_AutoRaise;
        if (!isChecked()) option.state |= QStyle::State_Raised;
    }
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
}

void SpeedButtonGroup::add(SpeedButton* button) {
    button->setCheckable(true);
    buttons_.push_back(button);
    connect(button, &QToolButton::toggled, this, [this, button](bool down) { pressed(button, down); });
    connect(button, &QToolButton::clicked, this, [this, button](bool) {
        // A click on the down button of a group that keeps one down leaves it down.
        if (!allowAllUp_ && !button->isChecked()) button->setDown(true);
    });
}

void SpeedButtonGroup::pressed(SpeedButton* button, bool down) {
    if (!down) return;
    for (auto* other : buttons_)
        if (other != button && other->isChecked()) other->setDown(false);
}

SpeedButton* SpeedButtonGroup::downButton() const {
    for (auto* b : buttons_)
        if (b->isChecked()) return b;
    return nullptr;
}

void SpeedButtonGroup::setAllUp() {
    for (auto* b : buttons_) b->setDown(false);
}

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent, int columns)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
    auto* layout = new QGridLayout(this);
    auto* group = group_;
    const int count = static_cast<int>(items.size());
    const int rows = std::max(1, (count + columns - 1) / columns);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        layout->addWidget(button, i % rows, i / rows);
        group->addButton(button, i);
        buttons_.push_back(button);
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int id) {
        index_ = id;
        emit clicked(id);
    });
}

void RadioGroup::takeFocus() {
    if (buttons_.empty()) return;
    item(index_ >= 0 ? index_ : 0)->setFocus(Qt::OtherFocusReason);
}

void RadioGroup::setItemIndex(int index) {
    if (index < 0 || index >= count()) index = -1;
    if (index == index_) return;
    if (index < 0) {
        // No item selected: the exclusive group has to let go of its checked button.
        group_->setExclusive(false);
        for (auto* b : buttons_) b->setChecked(false);
        group_->setExclusive(true);
    } else {
        item(index)->setChecked(true);
    }
    index_ = index;
    emit clicked(index_);
}

bool isNumberPrefix(const QString& text) {
    const QString t = text.trimmed();
    return t == "-" || t == "+" || t == "." || t == "-." || t == "+.";
}

EditBox::EditBox(QWidget* parent) : QLineEdit(parent) {
    // Qt tells a user's edit by textEdited just before the textChanged that every change sends.
    connect(this, &QLineEdit::textEdited, this, [this](const QString&) {
        userEdit_ = true;
        typing_ = true;
    });
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        const bool user = std::exchange(userEdit_, false);
        held_ = user && isNumberPrefix(text);
        if (!held_) emit changed();
    });
}

void EditBox::endTyping() {
    if (!typing_) return;
    typing_ = false;
    if (held_) {
        held_ = false;
        emit changed();
    }
    emit typingEnded();
}

void EditBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // The typing ends before the key goes on to the dialog, whose Enter runs OK.  A text that
        // the judgement of the typing corrected stays in view instead: the key goes no further.
        const QString typed = text();
        endTyping();
        if (text() != typed) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void EditBox::focusOutEvent(QFocusEvent* event) {
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        endTyping();
    QLineEdit::focusOutEvent(event);
}

void EditBox::setText(const QString& text) {
    if (text == QLineEdit::text()) return;
    QLineEdit::setText(text);
}

void TableRowLink::moveTo(int record) {
    if (record == recNo_()) return;
    setRecNo_(record); // a record that does not exist raises here, before any handler runs
    emit dataChange(record);
}

UpDown::UpDown(int minimum, int maximum, QWidget* parent) : QSpinBox(parent) {
    setRange(minimum, maximum);
    lineEdit()->setVisible(false);
    setFixedWidth(20);
}

} // namespace platform
