// The behaviours of the controls that the dialogs rely on, built once here:
// - a speed button carries a hint and turns flat while the pointer is over it;
// - speed buttons of a group are exclusive, and in a group that allows it all may be up;
// - setting a radio group's index from code runs its click handler as a user's click does;
// - an edit box's change handler runs only when its text really changes.
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

  signals:
    void clicked(int index);

  private:
    QButtonGroup* group_;
    std::vector<QRadioButton*> buttons_;
    int index_ = -1;
};

// A line edit whose `changed` signal follows the text: writing the same text from code is silent.
class EditBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit EditBox(QWidget* parent = nullptr);
    void setText(const QString& text);

  signals:
    void changed();
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
