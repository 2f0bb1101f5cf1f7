// The controls of the element editors as plain values, so that an editor's logic runs and is tested
// without widgets: the text of an edit box, a radio group, a group of preset sizes, and the numeric
// rule of the size boxes.  They keep the two behaviours the editors rely on: writing a text into an
// edit box runs the box's change handler only when the text really changes, and setting a radio
// group's selection from code runs the group's click handler just as a user's click does.  The
// dialog's widgets only mirror these values and hand the user's typing and clicks to them.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class MessageService;
}

namespace pelmora {

// The text of an edit box.
class EditText {
  public:
    void OnChange(std::function<void()> handler) { onChange_ = std::move(handler); }
    // The handler of the end of the user's typing in the box (Enter, leaving the box).
    void OnTypingEnd(std::function<void()> handler) { onTypingEnd_ = std::move(handler); }
    void EndTyping() {
        if (onTypingEnd_) onTypingEnd_();
    }
    const std::string& Text() const { return text_; }
    // Writes a text, as the user's typing or the editor's code does: the change handler runs when
    // the text really changes.
    void SetText(std::string text);
    // Shows a buffer's value in the box without running the change handler: the buffer already
    // holds the value.
    void Show(std::string text) { text_ = std::move(text); }
    // Empties the box without running the change handler (the numeric rule's own emptying).
    void Clear() { text_.clear(); }

  private:
    std::string text_;
    std::function<void()> onChange_;
    std::function<void()> onTypingEnd_;
};

// A radio group: item 0..count-1 or -1 for none.
class RadioChoice {
  public:
    explicit RadioChoice(int count) : count_(count) {}
    void OnClick(std::function<void()> handler) { onClick_ = std::move(handler); }
    int ItemIndex() const { return index_; }
    int Count() const { return count_; }
    // Selects an item (-1 or an index outside the group selects none).  When the selection changes,
    // the click handler runs as for a click on the item; selecting the selected item is silent.
    void SetItemIndex(int index);

  private:
    int count_;
    int index_ = -1;
    std::function<void()> onClick_;
};

// A radio group of preset sizes beside an edit box: each item is a value.
class PresetChoice : public RadioChoice {
  public:
    explicit PresetChoice(std::vector<double> values)
        : RadioChoice(static_cast<int>(values.size())), values_(std::move(values)) {}
    double Value(int item) const { return values_.at(static_cast<std::size_t>(item)); }
    // The item whose value equals `value` exactly, or -1.
    int ItemOf(double value) const;
    // Selects the item whose value equals `value` exactly, or none.
    void SelectValue(double value) { SetItemIndex(ItemOf(value)); }

  private:
    std::vector<double> values_;
};

// The values a size box accepts; a typed value outside them is limited silently.
struct NumberRange {
    double min;
    double max;
    double limit(double value) const { return value < min ? min : (value > max ? max : value); }
};

// A number in the text of an edit box (blanks around it allowed), or nothing for an empty text or
// one that is not a number.
std::optional<double> ReadNumber(std::string_view text);

// The numeric rule of the editors' size boxes: a text that is empty or not a number gives a beep and
// empties the box, with no message box, and nothing is returned (the buffer keeps its last good
// value); a number is returned limited to the range.
std::optional<double> TypedNumber(EditText& box, NumberRange range, platform::MessageService& messages);

// The message of a text that cannot be converted to a number (a thickness box reports it).
std::string NotANumberText(std::string_view text);

// A value in fixed notation with `decimals` places ("2.40"); halves of the exact value go to even.
std::string FixedText(double value, int decimals);

} // namespace pelmora
