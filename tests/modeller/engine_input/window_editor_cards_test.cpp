// A window set up in its editor reaches the card file as the user left it: its fins from the vertical
// shading and its monthly shading schedule in the window's shading schemes.
#include "writer_fixture.h"

#include "modeller/editors/glazing_editor.h"
#include "modeller/engine_input/project_cards.h"
#include "modeller/plan/plan_selection.h"
#include "modeller/platform/message_service.h"

namespace writer_test {
namespace {

using namespace pelmora;

TEST_F(WriterTest, AWindowEditedInItsEditorCarriesItsFinsAndScheduleToTheCards) {
    const int z = AddBoxZone(6.0, 6.0);
    const int n = AddWindow(z, 0, 3.0);
    PlanSelection selection;
    selection.CurrentZone = z;
    selection.CurrentWall = 0;
    selection.CurrentWindow = n;
    platform::ScriptedMessageService messages;
    EditorContext context(*model_, *tables_, buffers_, selection, messages);
    context.main.InsertWindowDown = [] { return false; };
    GlazingEditor editor(context);
    editor.FormShow();
    editor.shadingtable.MoveTo(2); // the device used by a monthly schedule
    editor.ShowSchedule = [](MonthlyPercent& months) { months(1) = 40; };
    editor.HorizShadSchedButtonClick();
    editor.ShowVerticalShading = [this] {
        buffers_.EditVertShading(1) = 0.6; // left width
        buffers_.EditVertShading(3) = 0.2; // left offset
    };
    editor.VertSButtonClick();
    editor.OEdit.SetText("300");
    editor.EAEdit.SetText("450");
    ASSERT_TRUE(editor.OKSBClick());
    editor.FormClose();
    EXPECT_TRUE(messages.shown.empty());

    OpenTables();
    BuildVerticalSchemes(*scratch_);
    EXPECT_EQ(WindowVerticalSchemeText(*scratch_, z, 0, n), "  0.60  0.20  0.00  0.00");
    // Second eaves 0.45 m, offset 0.3 m, the schedule's pergola of 6 m, then January at 40 % and the
    // other months at 100 %.
    std::string months = "  0.40";
    for (int m = 2; m <= 12; ++m) months += "  1.00";
    EXPECT_EQ(WindowHorizontalSchemeText(*scratch_, z, 0, n), "  0.45  0.30  6.00  0.00" + months);
}

} // namespace
} // namespace writer_test
