// The skylight editor's tests: the editors' program folder with the shipped skylight and window
// product libraries beside the tables, the window library read as at start-up, one zone, and the
// editor.  A few products of the window library get values of the test's own so that the figures can
// be worked by hand.
#pragma once

#include "modeller/editors/skylight_editor.h"

#include "editor_fixture.h"

#include <memory>

namespace editor_test {

class SkylightTest : public EditorTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Adds a skylight of `width` x `height` mm to the zone with the given codes and rows 1 of every
    // table; returns its number.
    int AddSkylight(double width, double height, const std::string& productCode = "GEN-04-001a",
                    const std::string& windowCode = "GGG-05-001a");
    // Opens the editor on the zone (inserting when `insert`), as the plan editor opens it.
    void Open(bool insert = false);
    // Ends the editor with OK or Cancel (Escape), as the dialog does.
    void Ok();
    void Cancel();

    int zone_ = 0;
    std::unique_ptr<pelmora::SkylightEditor> editor_;
};

// The window product "GGG-05-013a" (glass row 4, frame row 1) as the tests set it: glass U 3.0, frame
// U 6.0 (above 5, so the frame counts 1.5 times), glass fraction 0.7, glass SHGC 0.6.
inline constexpr const char* kTestWindowCode = "GGG-05-013a";

} // namespace editor_test
