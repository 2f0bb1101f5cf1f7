// The custom window chooser's logic: a browser of the window product library that lists the products
// of one maker, or of all makers, whose whole-window U and SHGC lie inside adjustable limits, shows
// the chosen product's glass and frame figures and its angle curves, and on OK makes it the current
// window code.  The makers are collected from the library on every showing, however many there are.
#pragma once

#include "modeller/model/editor_buffers.h"
#include "modeller/model/house_model.h"

#include <string>
#include <utility>
#include <vector>

namespace platform {
class MessageService;
}

namespace pelmora {

inline constexpr double kChooserUMax = 30.0; // W/m2K, the limits after a reset
inline constexpr double kChooserUMin = 0.0;
inline constexpr double kChooserSMax = 1.0;
inline constexpr double kChooserSMin = 0.0;
inline constexpr double kSimilarMargin = 0.1; // either side of a product's U and SHGC

enum class SearchMode { Manufacturer = 0, All = 1 };
enum class ChooserLimit { UMax, UMin, SMax, SMin };

// A curve of the charts: points (angle of incidence in degrees, %).
using ChartCurve = std::vector<std::pair<double, double>>;

class CustWinChooser {
  public:
    CustWinChooser(HouseModel& model, EditorBuffers& buffers, platform::MessageService& messages);

    // The distinct makers of the library in library order, the empty name of unused entries included.
    std::vector<std::string> ManufacturerNames;
    std::vector<std::string> ManufacturerItems; // the non-empty names, sorted, as the box lists them
    std::string ManufacturerCB;                 // the text of the maker box
    SearchMode SearchRG = SearchMode::Manufacturer;
    double UMax = kChooserUMax, UMin = kChooserUMin, SMax = kChooserSMax, SMin = kChooserSMin;
    std::string UMaxCB, UMinCB, SMaxCB, SMinCB;
    std::vector<std::string> ProductLB; // product codes
    int ProductLBIndex = -1;            // the selected item, -1 for none
    std::string WindowNameEB, FrameEB, FrameUEB, FrameAEB, GlassEB, PanesEB, GlassUEB, SHGCEB, SCEB, VTEB,
        UVTEB, WinUEB, WinSHGCEB;
    ChartCurve Transmittance;
    std::vector<ChartCurve> PaneAbsorptances; // one curve per pane in use

    // Whether product `index` lies inside the limits (bounds included).
    bool InsideLimits(int index) const;

    // ---- Handlers ------------------------------------------------------------------------------
    void FormShow();
    void PopulateBrands();
    void ShowMaxMin();
    void DisplayData();
    void DisplayGraphs();
    void ProductLBClick(int item);
    void ManufacturerCBChange(const std::string& maker);
    void ListAll();
    void SearchRGClick();
    void SetSearchMode(SearchMode mode);
    // A limit box's text changed: a number becomes the limit and the list is rebuilt; any other text
    // is reported and the limit and the list stay.
    void LimitChange(ChooserLimit limit, const std::string& text);
    void ResetButtonClick();
    void pbfindClick();
    void OKSBClick();
    void CancelSBClick();

  private:
    void ListManufacturer();
    void SelectListItem(const std::string& code);

    HouseModel& model_;
    EditorBuffers& buffers_;
    platform::MessageService& messages_;
};

} // namespace pelmora
