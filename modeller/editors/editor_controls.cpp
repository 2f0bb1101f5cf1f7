#include "modeller/editors/editor_controls.h"

#include "common/text_values.h"
#include "modeller/platform/message_service.h"

#include <cstdio>

namespace pelmora {

void EditText::SetText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    if (onChange_) onChange_();
}

void RadioChoice::SetItemIndex(int index) {
    if (index < 0 || index >= count_) index = -1;
    if (index == index_) return;
    index_ = index;
    if (onClick_) onClick_();
}

int PresetChoice::ItemOf(double value) const {
    for (std::size_t i = 0; i < values_.size(); ++i)
        if (values_[i] == value) return static_cast<int>(i);
    return -1;
}

std::optional<double> ReadNumber(std::string_view text) {
    return common::parseReal(text);
}

std::optional<double> TypedNumber(EditText& box, NumberRange range, platform::MessageService& messages) {
    const std::optional<double> value = ReadNumber(box.Text());
    if (!value) {
        messages.beep();
        box.Clear();
        return std::nullopt;
    }
    return range.limit(*value);
}

std::string NotANumberText(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid floating point value";
}

std::string FixedText(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

} // namespace pelmora
