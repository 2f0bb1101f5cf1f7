// A light well made in the skylight editor goes into the card file, and the engine's own reader takes
// its shaft, diffuser, size, slope and orientation as the editor showed them.
#include "writer_fixture.h"

#include "engine/core/card_handlers.h"
#include "engine/core/input_reader.h"
#include "engine/core/material_file.h"
#include "engine/core/state.h"
#include "modeller/editors/skylight_editor.h"
#include "modeller/platform/message_service.h"

#include <sstream>

namespace writer_test {
namespace {

using namespace pelmora;

class SkylightCard : public WriterTest {
  protected:
    void SetUp() override {
        WriterTest::SetUp();
        for (const char* file : {"matdata.bin", "Data/Climate/climat16.TXT",
                                 "Data/WindowData/VORTwindows.VWG", "Data/WindowData/VORTskylights.VSG"})
            CopyFromProgramFolder(file);
        SiteInAdelaide("Well", 1);
        HouseModel& m = *model_;
        zone_ = AddBoxZone(8.0, 6.0);
        m.Zones(zone_).Heated = m.Zones(zone_).Cooled = true;
    }
    int zone_ = 0;
};

TEST_F(SkylightCard, ALightWellFromTheEditorIsReadByTheEngine) {
    PlanSelection selection;
    platform::ScriptedMessageService messages;
    EditorContext context(*model_, *tables_, buffers_, selection, messages);
    SkylightEditor editor(context);
    selection.CurrentZone = zone_;
    selection.InsertSkylightMode = true;
    editor.FormShow();
    editor.HEdit.SetText("1200");
    editor.WEdit.SetText("900");
    editor.AngleEdit.SetText("30");
    editor.OrientationButtonClick(2); // plan direction 90 degrees, east with north at the top
    editor.LengthSEChange(1500);
    editor.ReflSEChange(80);
    editor.RscrollChange(20);
    editor.DiffuserCBClick(true);
    ASSERT_TRUE(editor.OKSBClick());
    editor.FormClose();
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_EQ(model_->Zones(zone_).SkylightCount, 1);

    WriteScratchFile(*scratch_);

    auto state = std::make_unique<engine::EngineState>();
    std::ostringstream console;
    state->workdir = root_;
    state->console = &console;
    engine::setInputDefaults(*state);
    engine::readMaterialFile(*state);
    for (const std::string& line : ReadCardLines(root_ / "SCRATCH")) {
        if (line.starts_with("C") || line == " 9") continue;
        const auto result = line.starts_with(" 1")   ? engine::projectCard(*state, line)
                            : line.starts_with(" 2") ? engine::constructionCard(*state, line)
                                                     : engine::zoneDataCard(*state, line);
        ASSERT_EQ(result, engine::CardResult::Next) << line;
    }
    EXPECT_EQ(console.str(), "");
    const auto& shad = state->shad;
    ASSERT_EQ(shad.nsky(1), 1);
    EXPECT_NEAR(shad.sarea(1, 1), 1.08, 1e-9); // 1.2 m x 0.9 m
    EXPECT_NEAR(shad.sslope(1, 1), 30.0, 1e-9);
    EXPECT_NEAR(shad.sazim(1, 1), 90.0, 1e-9);
    EXPECT_NEAR(shad.sshlen(1, 1), 1.5, 1e-9);
    EXPECT_NEAR(shad.sshar(1, 1), 1.08, 1e-9);
    EXPECT_NEAR(shad.sshref(1, 1), 0.8, 1e-9);
    EXPECT_NEAR(shad.sshres(1, 1), 2.0, 1e-9);
    EXPECT_EQ(shad.sdiff(1, 1), 1);
    EXPECT_EQ(shad.szonlit(1, 1), 1);
}

} // namespace
} // namespace writer_test
