#include "modeller/editors/cust_win_chooser.h"

#include "modeller/editors/editor_controls.h"
#include "modeller/model/product_codes.h"
#include "modeller/platform/message_service.h"

#include <QString>

#include <algorithm>

namespace pelmora {

namespace {

constexpr int kCurvePoints = 10;    // angles 0, 10, .., 90 degrees
constexpr double kAngleStep = 10.0; // degrees
constexpr double kPercent = 100.0;

} // namespace

CustWinChooser::CustWinChooser(HouseModel& model, EditorBuffers& buffers, platform::MessageService& messages)
    : model_(model), buffers_(buffers), messages_(messages) {}

bool CustWinChooser::InsideLimits(int index) const {
    const WholeWindowFigures w = WholeWindowValues(model_.WindowProducts(index));
    return UMin <= w.U && w.U <= UMax && SMin <= w.SHGC && w.SHGC <= SMax;
}

void CustWinChooser::FormShow() {
    PopulateBrands();
    UMax = kChooserUMax;
    UMin = kChooserUMin;
    SMax = kChooserSMax;
    SMin = kChooserSMin;
    ShowMaxMin();
    DisplayData();
    ListManufacturer();
    SelectListItem(buffers_.CurrentWindowCode);
}

void CustWinChooser::PopulateBrands() {
    ManufacturerNames.clear();
    for (int i = 1; i <= kMaxWindowProducts; ++i) {
        const std::string& maker = model_.WindowProducts(i).Manufacturer;
        if (std::find(ManufacturerNames.begin(), ManufacturerNames.end(), maker) == ManufacturerNames.end())
            ManufacturerNames.push_back(maker);
    }
    ManufacturerItems.clear();
    for (const std::string& maker : ManufacturerNames)
        if (!maker.empty()) ManufacturerItems.push_back(maker);
    std::sort(ManufacturerItems.begin(), ManufacturerItems.end());
}

void CustWinChooser::ShowMaxMin() {
    UMaxCB = FixedText(UMax, 2);
    UMinCB = FixedText(UMin, 2);
    SMaxCB = FixedText(SMax, 2);
    SMinCB = FixedText(SMin, 2);
}

void CustWinChooser::DisplayData() {
    if (buffers_.WindowProductIndex < 1 || buffers_.WindowProductIndex > kMaxWindowProducts)
        buffers_.WindowProductIndex = 1;
    const CustWinType& p = model_.WindowProducts(buffers_.WindowProductIndex);
    const WholeWindowFigures w = WholeWindowValues(p);
    WindowNameEB = p.ProductCode;
    ManufacturerCB = p.Manufacturer;
    FrameEB = FrameDescription(p);
    FrameUEB = FixedText(w.FrameU, 2);
    FrameAEB = FixedText((1.0 - p.GlassFraction) * kPercent, 0);
    GlassEB = GlassDescription(p);
    PanesEB = std::to_string(p.PaneCount);
    GlassUEB = FixedText(p.GlassU, 2);
    SHGCEB = FixedText(p.GlassSHGC, 2);
    SCEB = FixedText(p.SC, 2);
    VTEB = FixedText(p.VT, 2);
    UVTEB = FixedText(p.UVT, 2);
    buffers_.WholeWindowU = w.U;
    buffers_.WholeWindowSHGC = w.SHGC;
    WinUEB = FixedText(w.U, 2);
    WinSHGCEB = FixedText(w.SHGC, 2);
    DisplayGraphs();
}

void CustWinChooser::DisplayGraphs() {
    const CustWinType& p = model_.WindowProducts(buffers_.WindowProductIndex);
    Transmittance.clear();
    PaneAbsorptances.clear();
    for (int i = 1; i <= kCurvePoints; ++i)
        Transmittance.emplace_back((i - 1) * kAngleStep, kPercent * p.AngleTransmittance(i));
    const int panes = p.PaneCount >= 1 && p.PaneCount <= 3 ? p.PaneCount : 0;
    for (int pane = 1; pane <= panes; ++pane) {
        ChartCurve curve;
        for (int i = 1; i <= kCurvePoints; ++i)
            curve.emplace_back((i - 1) * kAngleStep, kPercent * p.PaneAbsorptance(pane, i));
        PaneAbsorptances.push_back(std::move(curve));
    }
}

void CustWinChooser::ListManufacturer() {
    ProductLB.clear();
    ProductLBIndex = -1;
    for (int i = 1; i <= kMaxWindowProducts; ++i) {
        const CustWinType& p = model_.WindowProducts(i);
        if (p.Manufacturer == ManufacturerCB && InsideLimits(i)) ProductLB.push_back(p.ProductCode);
    }
}

void CustWinChooser::SelectListItem(const std::string& code) {
    const auto at = std::find(ProductLB.begin(), ProductLB.end(), code);
    ProductLBIndex = at == ProductLB.end() ? -1 : static_cast<int>(at - ProductLB.begin());
}

void CustWinChooser::ProductLBClick(int item) {
    if (item < 0 || item >= static_cast<int>(ProductLB.size())) return;
    ProductLBIndex = item;
    const int index = WindowProductIndexOf(model_, ProductLB[static_cast<std::size_t>(item)]);
    if (index == 0) return;
    buffers_.WindowProductIndex = index;
    DisplayData();
}

void CustWinChooser::ManufacturerCBChange(const std::string& maker) {
    ManufacturerCB = maker;
    ListManufacturer();
    SearchRG = SearchMode::Manufacturer;
}

void CustWinChooser::ListAll() {
    ProductLB.clear();
    ProductLBIndex = -1;
    for (int i = 1; i <= kMaxWindowProducts; ++i) {
        const CustWinType& p = model_.WindowProducts(i);
        if (!p.ProductCode.empty() && InsideLimits(i)) ProductLB.push_back(p.ProductCode);
    }
}

void CustWinChooser::SearchRGClick() {
    if (SearchRG == SearchMode::Manufacturer)
        ManufacturerCBChange(ManufacturerCB);
    else
        ListAll();
    SelectListItem(WindowNameEB);
}

void CustWinChooser::SetSearchMode(SearchMode mode) {
    SearchRG = mode;
    SearchRGClick();
}

void CustWinChooser::LimitChange(ChooserLimit limit, const std::string& text) {
    const auto value = ReadNumber(text);
    if (!value) {
        messages_.error(QString::fromStdString(NotANumberText(text)));
        return;
    }
    switch (limit) {
    case ChooserLimit::UMax:
        UMax = *value;
        UMaxCB = text;
        break;
    case ChooserLimit::UMin:
        UMin = *value;
        UMinCB = text;
        break;
    case ChooserLimit::SMax:
        SMax = *value;
        SMaxCB = text;
        break;
    case ChooserLimit::SMin:
        SMin = *value;
        SMinCB = text;
        break;
    }
    SearchRGClick();
}

void CustWinChooser::ResetButtonClick() {
    UMax = kChooserUMax;
    UMin = kChooserUMin;
    SMax = kChooserSMax;
    SMin = kChooserSMin;
    ShowMaxMin();
    SearchRGClick();
}

void CustWinChooser::pbfindClick() {
    // The shown two-decimal values, as the boxes read.
    const double u = ReadNumber(WinUEB).value_or(buffers_.WholeWindowU);
    const double shgc = ReadNumber(WinSHGCEB).value_or(buffers_.WholeWindowSHGC);
    buffers_.WholeWindowU = u;
    buffers_.WholeWindowSHGC = shgc;
    UMax = std::min(u + kSimilarMargin, kChooserUMax);
    UMin = std::max(u - kSimilarMargin, kChooserUMin);
    SMax = std::min(shgc + kSimilarMargin, kChooserSMax);
    SMin = std::max(shgc - kSimilarMargin, kChooserSMin);
    ShowMaxMin();
    SetSearchMode(SearchMode::All);
}

void CustWinChooser::OKSBClick() {
    if (WindowNameEB.empty()) buffers_.WindowProductIndex = buffers_.SavedWindowProductIndex;
    if (buffers_.WindowProductIndex < 1) buffers_.WindowProductIndex = 1;
    buffers_.CurrentWindowCode = model_.WindowProducts(buffers_.WindowProductIndex).ProductCode;
}

void CustWinChooser::CancelSBClick() {
    buffers_.WindowProductIndex = buffers_.SavedWindowProductIndex;
}

} // namespace pelmora
