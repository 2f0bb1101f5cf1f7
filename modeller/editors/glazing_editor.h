// The window editor's logic: one window of an external wall, or the current level's default window
// in defaults mode.  The glazing is a generic glass and frame pair of two tables (page "Generic") or a
// product of the window library (page "Custom Windows"); the editor also chooses the opening style,
// the curtain or blind, the external shading device with its monthly schedule and the vertical
// shades, and sets height, width, head height, shading offset and second eaves.  It previews the
// window in its wall with the eaves line and shows the area, the resistances, the whole-window SHGC
// and the UA of the product shown.
//
// Sizes never leave their wall unnoticed: OK checks the head height (not below the window, not above
// the wall) whichever way OK was reached, so such a window never reaches the model.  A glass and frame
// pair whose generic product the library does not hold cannot be chosen: the tables go back to the
// pair they showed, so a window never stores glass and frame rows under another pair's code.
#pragma once

#include "modeller/editors/element_editor.h"
#include "modeller/editors/elevation_preview.h"
#include "modeller/model/product_codes.h"

#include <array>
#include <functional>

namespace pelmora {

namespace glazing_text {
inline constexpr std::string_view kDesignCaption = "Window";
inline constexpr std::string_view kChangeAllHint = "Change windows to current default";
inline constexpr std::string_view kHeightAboveWall = "Window Height can not be greater than Wall Height";
inline constexpr std::string_view kWidthAboveWallLength = "Window Width can not be greater than Wall Length";
inline constexpr std::string_view kWidthAboveWallWidth = "Window Width can not be greater than Wall Width";
inline constexpr std::string_view kHeightAboveHead =
    "Window Height can not be greater than Window Head Height";
inline constexpr std::string_view kHeadSetToWall = "Window Head Height has been increased to Wall Height";
inline constexpr std::string_view kNoGenericProduct =
    "The window library has no product for this glass and frame; the choice is not taken";
} // namespace glazing_text

// Limits of the typed window sizes (mm).
inline constexpr NumberRange kWindowSizeRange{1.0, 100000.0};
inline constexpr NumberRange kWindowOffsetRange{-100000.0, 100000.0};
inline constexpr NumberRange kWindowHeadRange{0.0, 100000.0};

// The pages of the window editor.
enum class GlazingPage { Generic = 0, CustomWindows = 1 };

// "Window 2  Wall 3  Zone 1  Lounge" for window 2 of wall index 2 of zone 1 named "Lounge".
std::string WindowCaption(int window, int wall, int zone, const std::string& zoneName);

class GlazingEditor : public ElementEditor {
  public:
    explicit GlazingEditor(EditorContext& context);

    TableCursor glasstable, frametable, styletable, furnishingstable, shadingtable;
    EditText HEdit, WEdit, OEdit, HHEdit, EAEdit; // mm
    PresetChoice HeightRG{{600.0, 900.0, 1200.0, 1500.0, 1800.0, 2100.0, 2400.0, 2700.0}};
    PresetChoice WidthRG{{600.0, 900.0, 1200.0, 1500.0, 1800.0, 2100.0, 2400.0, 2700.0}};
    PresetChoice OffsetRG{{-300.0, -150.0, 0.0, 150.0, 300.0, 450.0, 600.0, 750.0}};
    bool OpenCB = false; // "Permanently Open", never shown
    GlazingPage PageIndex = GlazingPage::CustomWindows;
    bool pbfindVisible = true;
    bool HorizShadSchedButtonVisible = false; // with HorShadeCheckBox: the device has a schedule
    bool HorShadeCheckBox = false;            // some month is not 100 %
    bool VertShadCB = false;                  // a left or right vertical shade
    std::string WindowNameEB, BrandEB, GlassEB, FrameEB, NameEB;
    std::string AreaLabel, RtLabel, UALabel, SHGCLabel, RgLabel, RfLabel, RfurnLl, ShadeLl, OpeningLl;
    ElevationPicture PaintBox1;
    int EavesLineY = 0; // px, the eaves line from x = 10 to the width less 10

    // The dialogs the editor opens, set by the program; each runs modally and returns once closed.
    // The custom window chooser works on WindowProductIndex and CurrentWindowCode of the buffers.
    std::function<void()> ShowCustomWindows;
    // The shading schedule dialog on the twelve monthly values.
    std::function<void(MonthlyPercent&)> ShowSchedule;
    // The vertical shading dialog on EditVertShading of the buffers.
    std::function<void()> ShowVerticalShading;

    // True while the editor inserts a new window (the main window's "New Window" is down).
    bool Inserting() const;

    // ---- Handlers ------------------------------------------------------------------------------
    void DisplayData();
    void IDWindowNumber();
    void ConvertGenToCustom();
    void ConvertCustomToGen();
    void DeleteAndDrawArea();
    void AlterRadioButtons1();
    void AlterRadioButtons2();
    void AlterRadioButtons3();
    void HeightRGClick();
    void WidthRGClick();
    void OffsetRGClick();
    void HEditChange();
    void WEditChange();
    void OEditChange();
    void HHEditChange();
    void EAEditChange();
    // The head height guard (mouse over OK or over the head height box): true when it raised or
    // lowered the head height to the wall's height.
    bool HHEditMouseMove();
    void PageControl1Change(GlazingPage page);
    void pbfindClick();
    void HorizShadSchedButtonClick();
    void VertSButtonClick();
    void ShadingDataChange();
    void PictureClick(std::string_view key, const PictureAnchor& at);

  protected:
    void SetValues() override;
    bool StoreValues() override;
    void CopyValues() override;
    void PasteValues() override;

  private:
    // Glass or frame row changed: the generic code of the pair, refused when the library lacks it.
    void GlassOrFrameChange();
    // Moves the tables without refusing a pair (the rows come from a record, the defaults or a code).
    void MoveTables(int glass, int frame, int style, int furnishing, int shading);
    void TakeDefaultWindow();
    void TakeVertShading(double lw, double rw, double lo, double ro);
    void FitIntoWall();
    void ShowSizes();
    void SelectPresets();
    void SetIndicators();

    bool placing_ = false;   // tables moved by the editor itself
    bool selecting_ = false; // presets selected to match the sizes
    int acceptedGlass_ = 0, acceptedFrame_ = 0;
};

} // namespace pelmora
