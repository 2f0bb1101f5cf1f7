#include "skylight_fixture.h"

#include "modeller/model/product_codes.h"
#include "modeller/model/product_libraries.h"

#include <filesystem>

namespace editor_test {

namespace fs = std::filesystem;
using namespace pelmora;

void SkylightTest::SetUp() {
    EditorTest::SetUp();
    fs::create_directories(root_ / "Data/WindowData");
    for (const char* file : {"Data/WindowData/VORTskylights.txt", "Data/WindowData/VORTwindows.txt"})
        fs::copy_file(fs::path(PROGRAM_FOLDER) / file, root_ / file);
    ReadWindowLibrary(model());
    CustWinType& test = model().WindowProducts(WindowProductIndexOf(model(), kTestWindowCode));
    test.Manufacturer = "Test Maker";
    test.Brand = "Test glass";
    test.ProductName = "Test frame";
    test.GlassU = 3.0;
    test.FrameU = 6.0;
    test.GlassFraction = 0.7;
    test.GlassSHGC = 0.6;
    zone_ = AddBoxZone(5.0, 4.0);
    selection().CurrentZone = zone_;
    editor_ = std::make_unique<SkylightEditor>(context());
}

void SkylightTest::TearDown() {
    editor_.reset();
    EditorTest::TearDown();
}

int SkylightTest::AddSkylight(double width, double height, const std::string& productCode,
                              const std::string& windowCode) {
    const AddResult added = model().AddSkylight(zone_);
    EXPECT_TRUE(added.added);
    TSkylightRec& s = model().ZoneSkylights(zone_, added.index);
    s = TSkylightRec{};
    s.SkyProduct = s.SkyFrame = s.Furnishing = s.Style = s.Glass = s.Frame = 1;
    s.Width = width;
    s.Height = height;
    s.Slope = 30.0;
    s.ShaftLength = 1000;
    s.ShaftReflectance = 70;
    s.ShaftR = 1.5;
    s.ClereWallWidth = 3000.0;
    s.ClereWallHeight = 2000.0;
    s.ProductCode = productCode;
    s.WindowCode = windowCode;
    return added.index;
}

void SkylightTest::Open(bool insert) {
    selection().CurrentZone = zone_;
    selection().InsertSkylightMode = insert;
    editor_->FormShow();
}

void SkylightTest::Ok() {
    ASSERT_TRUE(editor_->OKSBClick());
    editor_->FormClose();
}

void SkylightTest::Cancel() {
    editor_->CancelSBClick();
    editor_->FormClose();
}

} // namespace editor_test
