#include "modeller/editors/editor_controls.h"
#include "modeller/platform/message_service.h"

#include <gtest/gtest.h>

namespace {

using pelmora::EditText;
using pelmora::FixedText;
using pelmora::NumberRange;
using pelmora::PresetChoice;
using pelmora::RadioChoice;
using pelmora::TypedNumber;

TEST(EditorControls, AnEditBoxRunsItsHandlerOnlyWhenItsTextChanges) {
    EditText box;
    int changes = 0;
    box.OnChange([&] { ++changes; });
    box.SetText("2400");
    box.SetText("2400");
    EXPECT_EQ(changes, 1);
    box.Show("2700"); // a buffer shown from code is no typing
    box.Clear();
    EXPECT_EQ(changes, 1);
    box.SetText("2550");
    EXPECT_EQ(changes, 2);
}

TEST(EditorControls, SettingARadioGroupFromCodeRunsItsClickHandler) {
    PresetChoice presets({3000.0, 2700.0, 2550.0, 2400.0});
    std::vector<int> clicks;
    presets.OnClick([&] { clicks.push_back(presets.ItemIndex()); });
    presets.SelectValue(2550.0);
    presets.SelectValue(2550.0); // the selected item again: no click
    presets.SelectValue(2551.0); // no preset equals it: none selected
    presets.SetItemIndex(9);     // outside the group: none
    EXPECT_EQ(clicks, (std::vector<int>{2, -1}));
    RadioChoice beyond(4);
    EXPECT_EQ(beyond.ItemIndex(), -1);
}

TEST(EditorControls, TypedNumbersFollowTheNumericRule) {
    struct Case {
        const char* typed;
        bool accepted;
        double value;
        const char* boxAfter;
    };
    const Case cases[] = {
        {"2400", true, 2400.0, "2400"}, {" 2400 ", true, 2400.0, " 2400 "},
        {"1e3", true, 1000.0, "1e3"},   {"", false, 0.0, ""},
        {"abc", false, 0.0, ""},        {"24o0", false, 0.0, ""},
        {"-", false, 0.0, ""},          {"nan", false, 0.0, ""},
        {"0", true, 1.0, "0"},          {"250000", true, 100000.0, "250000"},
    };
    const NumberRange range{1.0, 100000.0};
    for (const Case& c : cases) {
        platform::ScriptedMessageService messages;
        EditText box;
        box.Show(c.typed);
        const auto value = TypedNumber(box, range, messages);
        EXPECT_EQ(value.has_value(), c.accepted) << c.typed;
        if (value) {
            EXPECT_EQ(*value, c.value) << c.typed;
        }
        EXPECT_EQ(box.Text(), c.boxAfter) << c.typed;
        EXPECT_EQ(messages.beeps, c.accepted ? 0 : 1) << c.typed;
        EXPECT_TRUE(messages.shown.empty()) << c.typed; // a beep, never a box
    }
}

TEST(EditorControls, FixedTextRoundsHalvesOfTheExactValueToEven) {
    EXPECT_EQ(FixedText(0.125, 2), "0.12");
    EXPECT_EQ(FixedText(0.375, 2), "0.38");
    EXPECT_EQ(FixedText(2400.0, 0), "2400");
    EXPECT_EQ(FixedText(2.5, 0), "2");
    EXPECT_EQ(FixedText(1.05, 1), "1.1"); // 1.05 is stored a little above 1.05
}

} // namespace
