#include "modeller/editors/vert_shading.h"

#include "modeller/platform/message_service.h"

#include <QString>

namespace pelmora {

namespace {

constexpr int kLeftWidth = 1;
constexpr int kRightWidth = 2;
constexpr int kLeftOffset = 3;
constexpr int kRightOffset = 4;

} // namespace

std::string VertShadingCaption(int window, int wall, int zone) {
    return "Window " + std::to_string(window) + "  Wall " + std::to_string(wall + 1) + "  Zone " +
           std::to_string(zone) + std::string(vert_shading_text::kCaption);
}

VertShadingEditor::VertShadingEditor(ElementClipboard& clipboard, platform::MessageService& messages)
    : clipboard_(clipboard), messages_(messages) {
    LWEdit.OnChange([this] { Typed(kLeftWidth, LWEdit, LWEdit2); });
    LWEdit2.OnChange([this] { Typed(kLeftWidth, LWEdit2, LWEdit); });
    RWEdit.OnChange([this] { Typed(kRightWidth, RWEdit, RWEdit2); });
    RWEdit2.OnChange([this] { Typed(kRightWidth, RWEdit2, RWEdit); });
    LOEdit.OnChange([this] { Typed(kLeftOffset, LOEdit, LOEdit2); });
    LOEdit2.OnChange([this] { Typed(kLeftOffset, LOEdit2, LOEdit); });
    ROEdit.OnChange([this] { Typed(kRightOffset, ROEdit, ROEdit2); });
    ROEdit2.OnChange([this] { Typed(kRightOffset, ROEdit2, ROEdit); });
}

void VertShadingEditor::SetValues(const std::string& caption, const VertShadingValues& values) {
    Caption = caption;
    VertShadeWork = values;
    UpdateEditboxes();
    PasteButtonVisible = clipboard_.Valid(ClipboardEntry::VerticalShading);
}

void VertShadingEditor::UpdateEditboxes() {
    const auto show = [this](int index, EditText& a, EditText& b) {
        a.Show(FixedText(VertShadeWork(index), 2));
        b.Show(a.Text());
    };
    show(kLeftWidth, LWEdit, LWEdit2);
    show(kRightWidth, RWEdit, RWEdit2);
    show(kLeftOffset, LOEdit, LOEdit2);
    show(kRightOffset, ROEdit, ROEdit2);
}

void VertShadingEditor::Typed(int index, EditText& box, EditText& twin) {
    const auto value = ReadNumber(box.Text());
    if (!value) {
        messages_.beep();
        box.Clear();
    } else if (*value < 0.0 && (index == kLeftWidth || index == kRightWidth)) {
        messages_.warn(QString::fromUtf8(vert_shading_text::kNegativeWidth.data(),
                                         static_cast<qsizetype>(vert_shading_text::kNegativeWidth.size())));
        box.Show(FixedText(VertShadeWork(index), 2));
    } else {
        VertShadeWork(index) = *value;
    }
    twin.Show(box.Text());
}

void VertShadingEditor::SBDeleteClick() {
    for (int i = 1; i <= 4; ++i) VertShadeWork(i) = 0.0;
    UpdateEditboxes();
}

void VertShadingEditor::CopyButtonClick() {
    clipboard_.VertShading = VertShadeWork;
    clipboard_.Valid(ClipboardEntry::VerticalShading) = true;
    PasteButtonVisible = true;
}

void VertShadingEditor::PasteButtonClick() {
    if (!clipboard_.Valid(ClipboardEntry::VerticalShading)) return;
    VertShadeWork = clipboard_.VertShading;
    UpdateEditboxes();
}

} // namespace pelmora
