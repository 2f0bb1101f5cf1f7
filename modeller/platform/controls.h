// The behaviours of the controls that the dialogs rely on, built once here:
// - a speed button carries a hint and turns flat while the pointer is over it;
// - speed buttons of a group are exclusive, and in a group that allows it all may be up;
// - setting a radio group's index from code runs its click handler as a user's click does;
// - an edit box's change handler runs only when its text really changes;
// - a number being typed into an edit box is judged only once it is one, or when the typing ends.
#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QStringList>
#include <QToolButton>

#include <functional>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace platform {

class SpeedButton : public QToolButton {
    Q_OBJECT
  public:
    explicit SpeedButton(const QString& caption, const QString& hint, QWidget* parent = nullptr);
    // Flat while the pointer is over the button, raised otherwise.
    bool isFlat() const { return flat_; }
    bool isDown() const { return isChecked(); }
    // Sets the down state without running the click handler.
    void setDown(bool down);

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // Takes the look from where the pointer is now.  A click's action may hold the input in a modal
    // dialog or close the button's window; the pointer can leave meanwhile without a leave event.
    void followPointer();

    bool flat_ = false;
};

// Exclusive speed buttons: pressing one puts the others up.  With `allowAllUp` a click on the button
// that is down puts it up, leaving none down.
class SpeedButtonGroup : public QObject {
    Q_OBJECT
  public:
    explicit SpeedButtonGroup(bool allowAllUp, QObject* parent = nullptr)
        : QObject(parent), allowAllUp_(allowAllUp) {}
    void add(SpeedButton* button);
    SpeedButton* downButton() const;
    void setAllUp();

  private:
    void pressed(SpeedButton* button, bool down);
    bool allowAllUp_;
    std::vector<SpeedButton*> buttons_;
};

class RadioGroup : public QGroupBox {
    Q_OBJECT
  public:
    // The items fill `columns` (1 or more) columns top to bottom, column after column.
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr, int columns = 1);
    int itemIndex() const { return index_; }
    // Selects item `index` (-1 for none).  When the selection changes the click handler runs, as a
    // click on the item does; writing the index already selected is silent.
    void setItemIndex(int index);
    int count() const { return static_cast<int>(buttons_.size()); }
    QRadioButton* item(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
    // Gives the focus to the selected item, or to the first item when none is selected.
    void takeFocus();

  signals:
    void clicked(int index);

  private:
    QButtonGroup* group_;
    std::vector<QRadioButton*> buttons_;
    int index_ = -1;
};

// True for a text that is only the start of a number: a sign, a decimal point, or a sign and a point
// ("-", "+", ".", "-.", "+."), blanks around it allowed.
bool isNumberPrefix(const QString& text);

// A line edit whose `changed` signal follows the text: writing the same text from code is silent.
//
// While the user types, a text that is only the start of a number is held back: `changed` waits for
// the next keystroke, so that "-5", "-1" or ".5" can be typed from the left in a box that judges
// every change.  The typing ends with Enter or Return, or when the focus leaves for another control of
// the window (a message box or another window taking the focus does not end it).  Then a text still
// held back is handed on through `changed`, to be judged as the text it is, and `typingEnded` follows.
// An Enter whose judgement corrected the text goes no further, so the dialog stays open to show it.
class EditBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit EditBox(QWidget* parent = nullptr);
    void setText(const QString& text);
    // Ends the user's typing as Enter does; nothing happens when nothing was typed since the last end.
    void endTyping();

  signals:
    void changed();
    void typingEnded();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    bool userEdit_ = false; // the text change under way is the user's
    bool typing_ = false;   // the user has typed since the typing last ended
    bool held_ = false;     // the text is a number's start that `changed` has not reported
};

// The link between a dialog and one of its tables: moving the table to another record runs the
// table's data-change handler, as moving a data-aware table's row does; moving to the record that is
// already current changes nothing.
class TableRowLink : public QObject {
    Q_OBJECT
  public:
    // `recNo` reads the table's current record number, `setRecNo` moves it.
    TableRowLink(std::function<int()> recNo, std::function<void(int)> setRecNo, QObject* parent = nullptr)
        : QObject(parent), recNo_(std::move(recNo)), setRecNo_(std::move(setRecNo)) {}
    void moveTo(int record);

  signals:
    void dataChange(int record);

  private:
    std::function<int()> recNo_;
    std::function<void(int)> setRecNo_;
};

// An up-down control: two arrow buttons that step a position within a range, without a text box
// of its own (it serves an edit box beside it).
class UpDown : public QSpinBox {
    Q_OBJECT
  public:
    UpDown(int minimum, int maximum, QWidget* parent = nullptr);
};

} // namespace platform
