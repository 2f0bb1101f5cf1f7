// Edits made in the wall, door, ceiling and floor-between-levels editors reach the card file: a
// 10 m x 6 m zone of the factory defaults is written, changed through each editor as the user changes
// it, and written again.
#include "writer_fixture.h"

#include "modeller/editors/ceiling_editor.h"
#include "modeller/editors/door_editor.h"
#include "modeller/editors/ext_wall_editor.h"
#include "modeller/editors/int_ceiling_editor.h"
#include "modeller/plan/plan_selection.h"
#include "modeller/platform/message_service.h"

#include <optional>
#include <string>
#include <vector>

namespace writer_test {
namespace {

using namespace pelmora;

class EditorCards : public WriterTest {
  protected:
    void SetUp() override {
        WriterTest::SetUp();
        SiteInAdelaide("Edits", 1);
        HouseModel& m = *model_;
        zone_ = AddBoxZone(10.0, 6.0);
        m.Zones(zone_).Heated = m.Zones(zone_).Cooled = true;
        // A solid core door 0.82 m x 2.04 m in the 10 m wall facing the bottom of the plan.
        door_ = m.AddDoor(zone_, 2).index;
        m.WallDoors(zone_, 2, door_) = TDoorRec{5.0, 0.82, 2.04, 0.82 * 2.04, 180.0, 0.0, 0.0, {}, 1};
        selection_.CurrentZone = zone_;
        context_ = std::make_unique<EditorContext>(m, *tables_, buffers_, selection_, messages_);
        context_->main.InsertDoorDown = [] { return false; };
        context_->main.InsertWindowDown = [] { return false; };
    }

    // Writes the card file and reads it back.
    std::vector<std::string> Cards() {
        WriteScratchFile(*scratch_);
        return ReadCardLines(root_ / "SCRATCH");
    }
    // The surface card of the zone whose height, width (or length) and azimuth fields read so.
    std::optional<std::string> SurfaceCard(const std::vector<std::string>& lines, const std::string& height,
                                           const std::string& width, const std::string& azimuth) const {
        char head[8];
        std::snprintf(head, sizeof head, " 3%3d", zone_);
        for (const std::string& line : lines)
            if (line.rfind(head, 0) == 0 && line.size() >= 32 && line.substr(8, 6) == height &&
                line.substr(14, 6) == width && line.substr(26, 6) == azimuth)
                return line;
        return std::nullopt;
    }
    // The name card of the construction that a surface card names.
    static std::string ConstructionName(const std::vector<std::string>& lines, const std::string& card) {
        const int section = std::stoi(card.substr(5, 3));
        for (const std::string& line : lines)
            if (line.rfind(" 2N", 0) == 0 && std::stoi(line.substr(3, 4)) == section) return line.substr(8);
        return "no construction " + std::to_string(section);
    }
    // The name cards of the constructions whose names begin with `kind`.
    static std::vector<std::string> ConstructionNames(const std::vector<std::string>& lines,
                                                      const std::string& kind) {
        std::vector<std::string> names;
        for (const std::string& line : lines)
            if (line.rfind(" 2N", 0) == 0 && line.substr(8).rfind(kind, 0) == 0)
                names.push_back(line.substr(8));
        return names;
    }
    template <class Editor> void Ok(Editor& editor) {
        ASSERT_TRUE(editor.OKSBClick());
        editor.FormClose();
        EXPECT_TRUE(messages_.shown.empty()) << messages_.shown.front().text.toStdString();
    }

    int zone_ = 0;
    int door_ = 0;
    PlanSelection selection_;
    platform::ScriptedMessageService messages_;
    std::unique_ptr<EditorContext> context_;
};

TEST_F(EditorCards, AWallEditedInItsEditorIsWrittenWithItsHeightAndInsulation) {
    const std::vector<std::string> before = Cards();
    const auto wall = SurfaceCard(before, "  2.40", " 10.00", "     0");
    ASSERT_TRUE(wall);
    EXPECT_EQ(wall->substr(20, 6), " 24.00");
    EXPECT_EQ(ConstructionName(before, *wall), "External Wall  Brick Veneer   No Insulation");

    selection_.CurrentWall = 0;
    ExtWallEditor editor(*context_);
    editor.FormShow();
    editor.insulationtable.MoveTo(7); // "Glasswool Batts R2.5"
    editor.HEdit.SetText("2700");
    Ok(editor);

    const std::vector<std::string> after = Cards();
    const auto edited = SurfaceCard(after, "  2.70", " 10.00", "     0");
    ASSERT_TRUE(edited) << "the wall facing the top of the plan is 2.7 m high";
    EXPECT_EQ(edited->substr(20, 6), " 27.00"); // 10 m x 2.7 m, no openings
    EXPECT_EQ(ConstructionName(after, *edited), "External Wall  Brick Veneer   Glasswool Batts R2.5");
    const auto other = SurfaceCard(after, "  2.40", "  6.00", "    90");
    ASSERT_TRUE(other) << "the other walls stay as they were";
    EXPECT_EQ(ConstructionName(after, *other), "External Wall  Brick Veneer   No Insulation");
}

TEST_F(EditorCards, ADoorEditedInItsEditorIsWrittenWithItsSizeAndMaterial) {
    const std::vector<std::string> before = Cards();
    const auto door = SurfaceCard(before, "  2.04", "  0.82", "   180");
    ASSERT_TRUE(door);
    EXPECT_EQ(door->substr(20, 6), "  1.67");
    EXPECT_NE(ConstructionName(before, *door).find("Solid Core Timber Door"), std::string::npos)
        << ConstructionName(before, *door);
    const auto wall = SurfaceCard(before, "  2.40", " 10.00", "   180");
    ASSERT_TRUE(wall);
    EXPECT_EQ(wall->substr(20, 6), " 22.33"); // 24 m2 less the door's 1.6728 m2

    selection_.CurrentWall = 2;
    selection_.CurrentDoor = door_;
    DoorEditor editor(*context_);
    editor.FormShow();
    editor.DoorTable.MoveTo(2); // "Hollow Core Timber Door"
    editor.HEdit.SetText("2100");
    editor.WEdit.SetText("900");
    Ok(editor);

    const std::vector<std::string> after = Cards();
    const auto edited = SurfaceCard(after, "  2.10", "  0.90", "   180");
    ASSERT_TRUE(edited) << "the door is 2.1 m x 0.9 m";
    EXPECT_EQ(edited->substr(20, 6), "  1.89");
    EXPECT_NE(ConstructionName(after, *edited).find("Hollow Core Timber Door"), std::string::npos)
        << ConstructionName(after, *edited);
    const auto rest = SurfaceCard(after, "  2.40", " 10.00", "   180");
    ASSERT_TRUE(rest);
    EXPECT_EQ(rest->substr(20, 6), " 22.11"); // 24 m2 less 1.89 m2
}

TEST_F(EditorCards, CeilingAndFloorBetweenLevelsEditedInTheirEditorsAreWrittenWithTheirLayers) {
    const std::vector<std::string> before = Cards();
    ASSERT_EQ(ConstructionNames(before, "External Ceiling"),
              std::vector<std::string>{"External Ceiling  Plasterboard Ceiling, 10 mm   No Insulation"});
    ASSERT_EQ(
        ConstructionNames(before, "Internal Ceiling"),
        std::vector<std::string>{"Internal Ceiling  Timber Floor, Plasterboard Ceiling   No Insulation"});

    CeilingEditor ceiling(*context_);
    ceiling.FormShow();
    ceiling.insulationtable.MoveTo(4); // "Glasswool Batts R3.5"
    Ok(ceiling);
    IntCeilingEditor between(*context_);
    between.FormShow();
    between.materialstable.MoveTo(2); // "Particleboard Floor, Plasterboard Ceiling"
    Ok(between);

    const std::vector<std::string> after = Cards();
    EXPECT_EQ(
        ConstructionNames(after, "External Ceiling"),
        std::vector<std::string>{"External Ceiling  Plasterboard Ceiling, 10 mm   Glasswool Batts R3.5"});
    EXPECT_EQ(ConstructionNames(after, "Internal Ceiling"),
              std::vector<std::string>{
                  "Internal Ceiling  Particleboard Floor, Plasterboard Ceiling   No Insulation"});
    EXPECT_EQ(ConstructionNames(after, "Internal Floor"),
              std::vector<std::string>{
                  "Internal Floor  Particleboard Floor, Plasterboard Ceiling   No Insulation"});
    // The batts are written as a layer of material 209: R2.5 is 143 mm of it, so R3.5 is 200 mm.
    bool batts = false;
    for (const std::string& line : after)
        if (line.rfind(" 2 91", 0) == 0) batts = line.find("209 200") != std::string::npos;
    EXPECT_TRUE(batts) << "the ceiling's layers";
}

} // namespace
} // namespace writer_test
