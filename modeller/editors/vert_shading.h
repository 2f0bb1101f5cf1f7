// The vertical shading dialog's logic: the shades at the two sides of a window, a left and a right
// width and a left and a right offset in metres, each typed in either of two boxes that always read
// alike.  The dialog works on a copy and hands it back to the window editor on its only way out (OK,
// Enter and Escape alike).  A shade cannot stick out a negative width: such a width is refused with
// a message and the last good width stays.
#pragma once

#include "modeller/editors/editor_controls.h"
#include "modeller/editors/element_clipboard.h"

#include "common/arrays.h"

#include <string>

namespace platform {
class MessageService;
}

namespace pelmora {

namespace vert_shading_text {
inline constexpr std::string_view kCaption = "Vertical Shading";
inline constexpr std::string_view kDefaultsCaption = "Default Vertical Shading";
inline constexpr std::string_view kNegativeWidth = "The width of a vertical shade can not be negative";
} // namespace vert_shading_text

// The four values in the window's order: left width, right width, left offset, right offset (m).
using VertShadingValues = common::FixedArray1<double, 1, 4>;

class VertShadingEditor {
  public:
    VertShadingEditor(ElementClipboard& clipboard, platform::MessageService& messages);

    VertShadingValues VertShadeWork{};
    // The boxes of each value: on the panel and on the picture.
    EditText LWEdit, RWEdit, LOEdit, ROEdit, LWEdit2, RWEdit2, LOEdit2, ROEdit2;
    bool PasteButtonVisible = false;
    std::string Caption;

    // Show: the caption and the window's values.
    void SetValues(const std::string& caption, const VertShadingValues& values);
    void UpdateEditboxes();
    void SBDeleteClick();
    void CopyButtonClick();
    void PasteButtonClick();
    // OK: the values the window takes.
    const VertShadingValues& OKSBClick() const { return VertShadeWork; }

  private:
    // A box of value `index` (1..4) changed; `twin` is the other box of the value.
    void Typed(int index, EditText& box, EditText& twin);

    ElementClipboard& clipboard_;
    platform::MessageService& messages_;
};

// "Window 2  Wall 3  Zone 1Vertical Shading" for window 2 of wall index 2 of zone 1.
std::string VertShadingCaption(int window, int wall, int zone);

} // namespace pelmora
