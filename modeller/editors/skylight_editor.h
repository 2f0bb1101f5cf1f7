// The skylight editor's logic: the up to six skylights of one zone, or the current level's default
// skylight in defaults mode.  A skylight is either a roof skylight (a skylight type and frame, which
// name a generic skylight code, or a skylight product, with its size, slope, plan orientation and
// light shaft) or, with "Clerestory Window" ticked, a window in a roof-top wall (generic glass and
// frame or a window product, style and furnishing, the window's size and the wall's size and eaves).
//
// Unlike the other editors it works on the zone's list directly: switching to another skylight,
// adding one and deleting one write to the model at once, a skylight inserted from the plan is saved
// with the level defaults as soon as the editor opens, and OK writes the skylight shown.  Cancel is
// offered in defaults mode only; Escape drops the values typed since the last save.
//
// A skylight saved straight after it was filled (inserted, added) is saved with what was filled: its
// shaft values and the products its codes name.  Saving keeps the code of the kind not shown (the
// window product of a roof skylight, the skylight product of a clerestory window), and an empty
// library entry never replaces a code.
//
// Beside the controls it shows the thermal figures of the product, a drawing of the skylight or of
// the clerestory wall with its window, the zone's total skylight area, the slope as a line that the
// mouse can drag, and the orientation buttons labelled with true bearings (skylight_figures.h).
#pragma once

#include "modeller/editors/element_editor.h"
#include "modeller/editors/skylight_figures.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

namespace skylight_text {
inline constexpr std::string_view kDesignCaption = "Skylight";
inline constexpr std::string_view kNoSkylights = "No Skylights for Zone ";
inline constexpr std::string_view kChangeAllHint = "Change all skylights to current default";
inline constexpr std::string_view kAddHint = "Add a skylight";
inline constexpr std::string_view kDeleteHint = "Delete current skylight";
inline constexpr std::string_view kFindHint = "Display Details";
inline constexpr std::string_view kClerestoryCaption = "Clerestory Window";
inline constexpr std::string_view kDiffuserCaption = "Diffuser";
inline constexpr std::string_view kVentedCaption = "Vented";
inline constexpr std::string_view kShaftCaption = "Skylight Shaft ";
inline constexpr std::string_view kGenericPage = "Generic";
inline constexpr std::string_view kCustomPage = "Custom";
inline constexpr std::string_view kWindowTooHigh = "Window height can not be greater than wall height.";
inline constexpr std::string_view kWindowTooWide = "Window width can not be greater than wall width.";
} // namespace skylight_text

// "Skylight 2 for Zone 3".
std::string SkylightCaption(int skylight, int zone);

// The values of the shaft controls: length 0..5000 mm in steps of 50, reflectance 5..95 % in steps of
// 5, and the shaft R of the scroll bar, 0..15 m2K/W in steps of 0.1.
inline constexpr int kMaxShaftLength = 5000; // mm
inline constexpr int kShaftLengthStep = 50;  // mm
inline constexpr int kMinShaftReflectance = 5;
inline constexpr int kMaxShaftReflectance = 95;
inline constexpr int kShaftReflectanceStep = 5;
inline constexpr int kMaxShaftRscroll = 150;
// The sizes a skylight's width and height boxes take (mm); a value outside is limited silently.
inline constexpr NumberRange kSkylightSizeRange{0.0, 100000.0};

// The paint box of the skylight or clerestory wall drawing, in pixels.
inline constexpr int kDrawingWidth = 300;
inline constexpr int kDrawingHeight = 180;

// The skylight clipboard group: everything a skylight record holds but its azimuth.
struct SkylightCopy {
    TSkylightRec Values;
};

class SkylightEditor : public ElementEditor {
  public:
    explicit SkylightEditor(EditorContext& context);

    // ---- Tables ---------------------------------------------------------------------------------
    TableCursor materialstable; // "Skylight.DB", the skylight type
    TableCursor SkyFrameTable;  // "SkyFrame.DB"
    TableCursor glasstable;     // "Windowglass.DB", clerestory window
    TableCursor frametable;     // "Windowframe.DB", clerestory window
    TableCursor styletable;     // "Windowstyle.DB", clerestory window
    TableCursor furnishingstable;

    // ---- Edit state beside the shared buffers (EditSkyWidth, EditSkyHeight, EditSlope,
    // EditSkyOrientation, EditShaftR, SkylightArea, the two codes and SkylightProductIndex) ---------
    int CurrentSkylight = 0;           // 1..6, 0 when the zone has none
    int EditShaftLength = 0;           // mm
    int EditSkyOpening = 0;            // %
    int EditSkyShading = 0;            // %
    int EditShaftReflectance = 0;      // %
    double EditClereWallWidth = 0.0;   // mm
    double EditClereWallHeight = 0.0;  // mm
    double EditClereEavesWidth = 0.0;  // mm
    double EditClereEavesOffset = 0.0; // mm, the window head below the top of the wall
    int WindowProductIndex = 0;        // entry of WindowProducts shown for a clerestory window
    double WholeWindowU = 0.0;         // W/m2K, of the product last shown
    double WholeWindowSHGC = 0.0;      // of the window product last shown

    // ---- Controls --------------------------------------------------------------------------------
    EditText HEdit, WEdit;                   // skylight or window height and width, mm
    EditText WWEdit, WHEdit, EWEdit, EOEdit; // clerestory wall width and height, eaves width, offset
    EditText AngleEdit;                      // slope, degrees
    PresetChoice HeightRG{{600.0, 900.0, 1200.0, 1500.0, 1800.0, 2100.0, 2400.0, 2700.0}};
    PresetChoice WidthRG{{600.0, 900.0, 1200.0, 1500.0, 1800.0, 2100.0, 2400.0, 2700.0}};
    RadioChoice OpeningRG{6}, ShadingRG{6}; // 0, 20, .., 100 %; their panels are never shown
    bool RoofWindowCB = false;              // "Clerestory Window"
    bool DiffuserCB = false;
    bool VentedCB = false;             // never shown
    int LengthSE = 0;                  // mm
    int ReflSE = kMinShaftReflectance; // %
    int Rscroll = 0;                   // 0..150
    std::string RLabel;                // the shaft R, one decimal

    enum class Page { Generic, Custom };
    Page ActivePage = Page::Custom; // of PageControl1

    // What is shown.
    bool NumPanelVisible = false, OrientPanelVisible = false;
    bool PageControl1Visible = false, CoveringPanelVisible = false, StylePanelVisible = false,
         DimPanelVisible = false;
    bool ShaftPanelVisible = true, SkylightPanelVisible = true, PanelTiltVisible = true;
    bool pbfindVisible = false;
    bool CancelSBVisible = false, ResetButtonVisible = false;
    std::string TotalAreaLabel;
    std::array<std::string, 8> OrientationCaptions;                // SpeedButton0..SpeedButton7
    int OrientationDown = 0;                                       // the orientation button that is down
    GlazingFigures Figures;                                        // the labels of the product's figures
    ElevationPicture PaintBox1{kDrawingWidth, kDrawingHeight, {}}; // the skylight or the clerestory wall
    TiltDrawing PaintBoxTilt;                                      // the slope line

    // The number buttons SB1..SB6: button k is shown for k up to SkylightCount and down for
    // CurrentSkylight.
    int NumberButtonCount() const;

    // The custom window chooser, run modally from pbfind: it may change WindowProductIndex and
    // CurrentWindowCode.  Empty while the program has none.
    std::function<void()> CustWinForm;

    // ---- Published operations ---------------------------------------------------------------------
    void AssignValues();
    void AssignDefaults();
    void SaveProperties();
    void SaveDefaultProperties();
    void ChangeNumber();
    void ChangeSkylights();
    void WindowSkylightChange();
    // The item of OpeningRG and ShadingRG for a percentage of 0, 20, .., 100, or -1.
    static int SkyOpen(int percent);
    static int Shading(int percent) { return SkyOpen(percent); }
    void AlterHeight();
    void AlterWidth();
    void IDWindowNumber();
    void IDSkyNumber();
    void ConvertGenToCustom();
    void ConvertCustomToGen();
    void ConvertSkyGenToCustom();
    // Figures and drawings.
    void DisplaySkylightData();
    void DisplayWindowData();
    // The clerestory or skylight figures, whichever "Clerestory Window" says.
    void DisplayFigures();
    void DeleteAndDrawArea();
    void DisplayTotalArea();
    void DisplayBearings();
    void SelectOrientionButton();
    void DrawNew();
    void EraseOld();

    // ---- Handlers ------------------------------------------------------------------------------
    void NumberButtonClick(int k); // SB1Click .. SB6Click
    void SBAddClick();
    void SBDeleteClick();
    void OrientationButtonClick(int k); // SpeedButton0Click .. SpeedButton7Click
    void HeightRGClick();
    void WidthRGClick();
    void HEditChange();
    void WEditChange();
    void WHEditChange();
    void WWEditChange();
    // The typing in the wall height or width box ended (Enter, leaving the box): the wall is checked
    // against its window.
    void WallBoxTypingEnd();
    void EOEditChange();
    void EWEditChange();
    void AngleEditChange();
    void PaintBoxTiltMouseDown(int x, int y);
    void PaintBoxTiltMouseMove(int x, int y);
    void PaintBoxTiltMouseUp();
    void RscrollChange(int position);
    void LengthSEChange(int value);
    void ReflSEChange(int value);
    void OpeningRGClick();
    void ShadingRGClick();
    void RoofWindowCBClick(bool checked);
    void DiffuserCBClick(bool checked);
    void VentedCBClick(bool checked);
    void pbfindClick();
    // A page chosen by the user (a page set by the editor's code does not count).
    void PageControl1Change(Page page);
    void dbmaterialpictureClick(const PictureAnchor& at);
    void DBSkyFrameClick(const PictureAnchor& at);
    void dbglasspicClick(const PictureAnchor& at);
    void dbframepicClick(const PictureAnchor& at);
    void dbstylepicClick(const PictureAnchor& at);
    void DBImage1Click(const PictureAnchor& at);

  protected:
    void ReadShowData() override;
    void SetValues() override;
    bool StoreValues() override;
    void CopyValues() override;
    void PasteValues() override;

  private:
    int Zone() const { return selection_.CurrentZone; }
    bool ZoneValid() const;
    TSkylightRec ShownRecord() const;
    void Load(const TSkylightRec& values);
    void SetClerestory(bool checked);
    void ShowShaftR();
    void IdentifyProducts();
    // A clerestory wall lower or narrower than its window is raised or widened to it, with the
    // message of each; true when it was.
    bool FitWallToWindow();
    // The drawing of the skylight or of the clerestory wall, and the figures, as the values stand.
    void DrawArea();
    // A number typed into a clerestory wall box: nothing for an empty box (still being typed); a
    // text that is not a number is told in an error box, and the value keeps its number.
    std::optional<double> WallBoxNumber(const EditText& box) const;

    SkylightCopy copy_;
};

} // namespace pelmora
