// The material picture palette: what it lists, its grid and window, the description under the
// pointer, and a choice that moves the editor's table.
#include "modeller/editors/ext_floor_editor.h"
#include "modeller/editors/ext_wall_editor.h"
#include "modeller/editors/floor_cover_editor.h"
#include "modeller/editors/int_ceiling_editor.h"
#include "modeller/editors/int_wall_editor.h"
#include "modeller/editors/material_palette.h"

#include "editor_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using namespace pelmora;

class MaterialPaletteTest : public editor_test::EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        model().DefaultsMode = true;
    }
    MaterialPalette& palette() { return context().palette; }
};

TEST_F(MaterialPaletteTest, TheGridAndWindowFollowTheRowsAndColumns) {
    // Two wall types in five columns make one row of cells; seven internal insulations in three
    // columns make three.
    Sql("DELETE FROM Wallmaterial WHERE rowid > 2");
    Sql("INSERT INTO InWallInsulation SELECT * FROM InWallInsulation WHERE rowid = 1");
    ExtWallEditor ext(context());
    ext.FormShow();
    ext.dbmaterialpictureClick(PictureAnchor{1000, 40, 48, 32});
    EXPECT_EQ(palette().PaletteKey, "WM");
    EXPECT_EQ(palette().PaletteCaption, "External Wall Type");
    EXPECT_EQ(palette().RowCount, 2);
    EXPECT_EQ(palette().GridRows, 1);
    EXPECT_EQ(palette().WindowWidth, 5 * (48 + 11) + 33);
    EXPECT_EQ(palette().WindowHeight, 1 * (32 + 13) + 51);
    EXPECT_EQ(palette().Left, 1000 - 5 * (48 + 11) - 18);
    EXPECT_EQ(palette().Top, 35);
    ext.FormClose();
    EXPECT_FALSE(palette().Visible());

    IntWallEditor internal(context());
    internal.FormShow();
    internal.dbinsulationpictureClick(PictureAnchor{1000, 40, 48, 32});
    EXPECT_EQ(palette().PaletteCaption, "Internal Wall Insulation");
    EXPECT_EQ(palette().RowCount, 7);
    EXPECT_EQ(palette().GridRows, 3);
    EXPECT_EQ(palette().WindowWidth, 3 * (48 + 11) + 33);
    EXPECT_EQ(palette().WindowHeight, 3 * (32 + 13) + 46);
    EXPECT_EQ(palette().lbmaterials.front(), "No Insulation");
    EXPECT_EQ(palette().lbmaterials.size(), 7u);
    EXPECT_EQ(palette().Pictures.size(), 7u);
    EXPECT_FALSE(palette().Pictures.front().empty());
}

TEST_F(MaterialPaletteTest, TheFloorEditorsPalettesStandAndSizeTheirCellsAsTheirEditorsAsk) {
    // The external floor editor's palettes stand 5 px below its top, the others 5 px above; the
    // one-column lists of floor types, ceiling types and coverings give each 48 x 32 picture 8 px
    // more height, so their cells are 48 + 11 = 59 wide and 32 + 8 + 13 = 53 high.
    ExtFloorEditor floor(context());
    FloorCoverEditor cover(context());
    IntCeilingEditor between(context());
    floor.FormShow();
    cover.FormShow();
    between.FormShow();
    const PictureAnchor at{1000, 40, 48, 32};
    struct Case {
        std::function<void()> click;
        std::string key;
        int left, top, pictureHeight, cellHeight;
    };
    const Case cases[] = {
        {[&] { floor.dbmaterialpictureClick(at); }, "FM", 1000 - 59 - 18, 45, 40, 53},
        {[&] { floor.dbinsulationpictureClick(at); }, "FI", 1000 - 3 * 59 - 18, 45, 32, 45},
        {[&] { floor.DBFloorCoverImageClick(at); }, "FC", 1000 - 59 - 18, 45, 40, 53},
        {[&] { cover.DBFloorCoverImageClick(at); }, "IFK", 1000 - 59 - 18, 35, 40, 53},
        {[&] { between.dbmaterialpictureClick(at); }, "IFM", 1000 - 59 - 18, 35, 40, 53},
        {[&] { between.dbinsulationpictureClick(at); }, "IFI", 1000 - 2 * 59 - 18, 35, 32, 45},
    };
    for (const Case& c : cases) {
        c.click();
        EXPECT_EQ(palette().PaletteKey, c.key);
        EXPECT_EQ(palette().Left, c.left) << c.key;
        EXPECT_EQ(palette().Top, c.top) << c.key;
        EXPECT_EQ(palette().PictureWidth, 48) << c.key;
        EXPECT_EQ(palette().PictureHeight, c.pictureHeight) << c.key;
        EXPECT_EQ(palette().CellHeight, c.cellHeight) << c.key;
    }
    // The pointer finds the cells by their taller height: y = 60 lies in the second row of one column.
    floor.dbmaterialpictureClick(at);
    ASSERT_GE(palette().lbmaterials.size(), 2u);
    palette().imagegridMouseMove(10, 52);
    EXPECT_EQ(palette().StatusText, palette().lbmaterials[0]);
    palette().imagegridMouseMove(10, 60);
    EXPECT_EQ(palette().StatusText, palette().lbmaterials[1]);
    floor.FormClose();
    cover.FormClose();
    between.FormClose();
}

TEST_F(MaterialPaletteTest, ThePointerShowsTheDescriptionOfTheCellUnderIt) {
    ExtWallEditor ext(context());
    ext.FormShow();
    ext.dbinsulationpictureClick(PictureAnchor{1000, 40, 48, 32});
    // Eleven insulations in three columns: the fourth row holds cells 9 and 10; cells are 59 x 45.
    ASSERT_EQ(palette().RowCount, 11);
    struct Case {
        int x, y;
        std::string shown;
    };
    const Case cases[] = {
        {0, 0, "No Insulation"},
        {58, 44, "No Insulation"},
        {59, 0, "Bulk Insulation (enter R)"},
        {130, 100, "Anti-Glare Foil in Cavity"},              // column 2 of row 2: cell 8
        {60, 3 * 45 + 2, "Double-Sided Foil and Batts R2.0"}, // cell 10, the last
        {2 * 59 + 1, 3 * 45 + 2, ""},                         // past the last picture of the last row
        {3 * 59 + 4, 0, ""},                                  // right of the last column
    };
    for (const Case& c : cases) {
        palette().imagegridMouseMove(c.x, c.y);
        EXPECT_EQ(palette().StatusText, c.shown) << c.x << ", " << c.y;
    }
}

TEST_F(MaterialPaletteTest, AChoiceMovesTheEditorsTableAndListingTheRowsDoesNot) {
    ExtWallEditor ext(context());
    ext.FormShow();
    ext.ThickEdit.SetText("150");
    ext.dbmaterialpictureClick(PictureAnchor{1000, 40, 48, 32});
    // Listing the rows is no choice: the table is back on its row and the typed thickness stays.
    EXPECT_EQ(ext.materialstable.RecNo(), 1);
    EXPECT_EQ(palette().SelectedCell(), 0);
    EXPECT_EQ(buffers_.EditThickness, 150.0);
    EXPECT_EQ(ext.ThickEdit.Text(), "150");

    palette().ChooseCell(5); // cavity brick
    EXPECT_EQ(ext.materialstable.RecNo(), 6);
    EXPECT_EQ(palette().SelectedCell(), 5);
    EXPECT_TRUE(palette().Visible()); // the palette stays for another choice
    EXPECT_EQ(ext.ThickEdit.Text(), "110");
    // Two 110 mm leaves of brick: Rd = 1.299 x 0.22 = 0.28578.
    EXPECT_EQ(ext.RdLabel, "R  0.29");
    palette().ChooseCell(40); // no such cell
    EXPECT_EQ(ext.materialstable.RecNo(), 6);
    ASSERT_TRUE(ext.OKSBClick());
    EXPECT_EQ(model().LevelDefaults(1).DefExtMaterial, 6);
}

} // namespace
