#include "modeller/editors/glazing_editor.h"

#include "common/rounding.h"
#include "modeller/platform/message_service.h"

#include <QString>

namespace pelmora {

namespace {

constexpr double kDefaultsWallLength = 4000.0; // mm, the wall of the preview in defaults mode
constexpr int kFullShading = 100;              // %, a month in which the device is not in use

void warn(platform::MessageService& messages, std::string_view text) {
    messages.warn(platform::Utf8(text));
}

int Px(double value) {
    return static_cast<int>(common::roundHalfEvenToInt(value));
}

} // namespace

std::string WindowCaption(int window, int wall, int zone, const std::string& zoneName) {
    return "Window " + std::to_string(window) + "  Wall " + std::to_string(wall + 1) + "  Zone " +
           std::to_string(zone) + "  " + zoneName;
}

GlazingEditor::GlazingEditor(EditorContext& context)
    : ElementEditor(context, EditorKind::Window), glasstable(context.tables.GlazingForm.glasstable),
      frametable(context.tables.GlazingForm.frametable), styletable(context.tables.GlazingForm.styletable),
      furnishingstable(context.tables.GlazingForm.furnishingstable),
      shadingtable(context.tables.GlazingForm.shadingtable) {
    Caption = std::string(glazing_text::kDesignCaption);
    addTable(glasstable, [this] { GlassOrFrameChange(); });
    addTable(frametable, [this] { GlassOrFrameChange(); });
    addTable(styletable, [this] { DisplayData(); });
    addTable(furnishingstable, [this] { DisplayData(); });
    addTable(shadingtable, [this] { ShadingDataChange(); });
    HEdit.OnChange([this] { HEditChange(); });
    WEdit.OnChange([this] { WEditChange(); });
    OEdit.OnChange([this] { OEditChange(); });
    HHEdit.OnChange([this] { HHEditChange(); });
    EAEdit.OnChange([this] { EAEditChange(); });
    HeightRG.OnClick([this] { HeightRGClick(); });
    WidthRG.OnClick([this] { WidthRGClick(); });
    OffsetRG.OnClick([this] { OffsetRGClick(); });
}

bool GlazingEditor::Inserting() const {
    return !DefaultsMode() && context_.main.InsertWindowDown && context_.main.InsertWindowDown();
}

// ---- Showing --------------------------------------------------------------------------------------

void GlazingEditor::MoveTables(int glass, int frame, int style, int furnishing, int shading) {
    placing_ = true;
    try {
        glasstable.MoveTo(glass);
        frametable.MoveTo(frame);
        styletable.MoveTo(style);
        furnishingstable.MoveTo(furnishing);
        shadingtable.MoveTo(shading);
    } catch (...) {
        placing_ = false;
        throw;
    }
    placing_ = false;
    acceptedGlass_ = glasstable.RecNo();
    acceptedFrame_ = frametable.RecNo();
}

void GlazingEditor::TakeVertShading(double lw, double rw, double lo, double ro) {
    buffers_.EditVertShading(1) = lw;
    buffers_.EditVertShading(2) = rw;
    buffers_.EditVertShading(3) = lo;
    buffers_.EditVertShading(4) = ro;
}

void GlazingEditor::TakeDefaultWindow() {
    const TLevelDefaultRec& d = model_.LevelDefaults(model_.CurrentLevel);
    MoveTables(d.DefWinGlass, d.DefWinFrame, d.DefWinStyle, d.DefWinFurnishing, d.DefWinShading);
    buffers_.CurrentWindowCode = d.DefWinCode;
    buffers_.EditWinHeight = d.DefWinHeight;
    buffers_.EditWinWidth = d.DefWinWidth;
    buffers_.EditWinOffset = d.DefWinOffset;
    buffers_.EditWin2ndEaves = d.DefWin2ndEaves;
    buffers_.EditWinHeadHeight = d.DefWinHeadHeight;
    OpenCB = d.DefWinOpen;
    buffers_.EditWinShading = d.DefWinMonthlyShading;
    TakeVertShading(d.DefVertShadeLeftWidth, d.DefVertShadeRightWidth, d.DefVertShadeLeftOffset,
                    d.DefVertShadeRightOffset);
}

void GlazingEditor::SetValues() {
    const PlanSelection& s = selection_;
    if (DefaultsMode()) {
        ShowDefaultsFrame();
        TakeDefaultWindow();
        buffers_.EditWallLength = kDefaultsWallLength;
        buffers_.EditWallHeight = model_.LevelDefaults(model_.CurrentLevel).DefExtHeight;
    } else {
        ShowElementFrame(
            WindowCaption(s.CurrentWindow, s.CurrentWall, s.CurrentZone, model_.Zones(s.CurrentZone).Name));
        const TWallRec& wall = model_.Walls(s.CurrentZone, s.CurrentWall);
        if (Inserting()) {
            TakeDefaultWindow();
            buffers_.EditWallLength = wall.Length * 1000.0;
            buffers_.EditWallHeight = wall.ExtHeight * 1000.0;
            FitIntoWall();
        } else {
            const TWindowRec& w = model_.WallWindows(s.CurrentZone, s.CurrentWall, s.CurrentWindow);
            MoveTables(w.Glass, w.Frame, w.Style, w.Furnishing, w.Shading);
            buffers_.CurrentWindowCode = w.ProductCode;
            buffers_.EditWinHeight = w.Height * 1000.0;
            buffers_.EditWinWidth = w.Width * 1000.0;
            buffers_.EditWinOffset = w.Offset * 1000.0;
            buffers_.EditWin2ndEaves = w.SecondEaves * 1000.0;
            buffers_.EditWinHeadHeight = w.HeadHeight * 1000.0;
            buffers_.EditWallLength = wall.Length * 1000.0;
            buffers_.EditWallHeight = wall.ExtHeight * 1000.0;
            OpenCB = w.PermanentlyOpen;
            buffers_.EditWinShading = w.MonthlyShading;
            TakeVertShading(w.VertShadeLeftWidth, w.VertShadeRightWidth, w.VertShadeLeftOffset,
                            w.VertShadeRightOffset);
        }
    }
    PageIndex = GlazingPage::CustomWindows;
    pbfindVisible = true;
    SetIndicators();
    ShowSizes();
    IDWindowNumber();
}

void GlazingEditor::FitIntoWall() {
    if (buffers_.EditWinHeight > buffers_.EditWallHeight) {
        buffers_.EditWinHeight = buffers_.EditWallHeight;
        warn(messages_, glazing_text::kHeightAboveWall);
    }
    if (buffers_.EditWinWidth > buffers_.EditWallLength) {
        buffers_.EditWinWidth = buffers_.EditWallLength - 1.0;
        warn(messages_, glazing_text::kWidthAboveWallLength);
    }
}

void GlazingEditor::SetIndicators() {
    VertShadCB = buffers_.EditVertShading(1) != 0.0 || buffers_.EditVertShading(2) != 0.0;
    HorShadeCheckBox = false;
    for (int m = 1; m <= 12; ++m)
        if (buffers_.EditWinShading(m) != kFullShading) HorShadeCheckBox = true;
}

void GlazingEditor::SelectPresets() {
    selecting_ = true;
    HeightRG.SelectValue(buffers_.EditWinHeight);
    WidthRG.SelectValue(buffers_.EditWinWidth);
    OffsetRG.SelectValue(buffers_.EditWinOffset);
    selecting_ = false;
}

void GlazingEditor::ShowSizes() {
    HEdit.Show(FixedText(buffers_.EditWinHeight, 0));
    WEdit.Show(FixedText(buffers_.EditWinWidth, 0));
    OEdit.Show(FixedText(buffers_.EditWinOffset, 0));
    HHEdit.Show(FixedText(buffers_.EditWinHeadHeight, 0));
    EAEdit.Show(FixedText(buffers_.EditWin2ndEaves, 0));
    SelectPresets();
    DeleteAndDrawArea();
}

// ---- Product shown --------------------------------------------------------------------------------

void GlazingEditor::DisplayData() {
    if (buffers_.WindowProductIndex < 1 || buffers_.WindowProductIndex > kMaxWindowProducts)
        buffers_.WindowProductIndex = 1;
    const CustWinType& p = model_.WindowProducts(buffers_.WindowProductIndex);
    const double area = buffers_.EditWinWidth * buffers_.EditWinHeight / 1000000.0; // m2
    AreaLabel = FixedText(area, 2) + " m²";
    BrandEB = p.Manufacturer;
    GlassEB = GlassDescription(p);
    FrameEB = FrameDescription(p);
    WindowNameEB = p.ProductCode;
    NameEB = p.ProductCode;
    const double addR = furnishingstable.Active() ? furnishingstable.Float("AddR") : 0.0; // m2K/W
    if (HasThermalValues(p)) {
        const WholeWindowFigures whole = WholeWindowValues(p);
        buffers_.WholeWindowU = whole.U;
        buffers_.WholeWindowSHGC = whole.SHGC;
        const double rt = 1.0 / whole.U + addR; // m2K/W
        SHGCLabel = ValueLabel("SHGC ", whole.SHGC);
        RtLabel = ValueLabel("Rt ", rt);
        UALabel = ValueLabel("UA ", area / rt);
        RgLabel = ValueLabel("Rglass ", 1.0 / p.GlassU);
        RfLabel = ValueLabel("Rframe ", 1.0 / p.FrameU);
    } else {
        // An entry without glass or frame U (an empty library) has no resistances to show.
        buffers_.WholeWindowU = 0.0;
        buffers_.WholeWindowSHGC = 0.0;
        SHGCLabel.clear();
        RtLabel.clear();
        UALabel.clear();
        RgLabel.clear();
        RfLabel.clear();
    }
    RfurnLl = ValueLabel("Rfurn ", addR);
    ShadeLl.clear();
    if (shadingtable.Active() && !shadingtable.Boolean("Schedule"))
        ShadeLl = "Shading " + FixedText(shadingtable.Float("Shade"), 0) + "%";
    OpeningLl.clear();
    if (styletable.Active()) OpeningLl = "Opening " + FixedText(styletable.Float("Opening"), 0) + "%";
}

void GlazingEditor::IDWindowNumber() {
    const int index = WindowProductIndexOf(model_, buffers_.CurrentWindowCode);
    if (index == 0) return;
    buffers_.WindowProductIndex = index;
    DisplayData();
}

void GlazingEditor::GlassOrFrameChange() {
    // While the editor opens its tables the frame table is not open yet when the glass table is.
    if (!glasstable.Active() || !frametable.Active()) return;
    if (placing_) {
        ConvertGenToCustom();
        return;
    }
    // A pick in the palette moves one of the two tables away from the pair shown before; opening the
    // tables is no pick.
    const int glass = glasstable.RecNo();
    const int frame = frametable.RecNo();
    const bool picked = (glass == acceptedGlass_) != (frame == acceptedFrame_);
    const auto code = GenericWindowCode(glass, frame);
    if (picked && (!code || WindowProductIndexOf(model_, *code) == 0)) {
        // The user's pair has no product: back to the pair shown before.
        warn(messages_, glazing_text::kNoGenericProduct);
        MoveTables(acceptedGlass_, acceptedFrame_, styletable.RecNo(), furnishingstable.RecNo(),
                   shadingtable.RecNo());
        return;
    }
    acceptedGlass_ = glass;
    acceptedFrame_ = frame;
    ConvertGenToCustom();
}

void GlazingEditor::ConvertGenToCustom() {
    if (!glasstable.Active()) glasstable.Open();
    if (!frametable.Active()) frametable.Open();
    if (const auto code = GenericWindowCode(glasstable.RecNo(), frametable.RecNo()))
        buffers_.CurrentWindowCode = *code;
    IDWindowNumber();
}

void GlazingEditor::ConvertCustomToGen() {
    if (!IsGenericWindowCode(buffers_.CurrentWindowCode)) {
        PageIndex = GlazingPage::CustomWindows;
        pbfindVisible = true;
        return;
    }
    if (const auto rows = RowsOfGenericWindowCode(buffers_.CurrentWindowCode)) {
        placing_ = true;
        try {
            glasstable.MoveTo(rows->Glass);
            frametable.MoveTo(rows->Frame);
        } catch (...) {
            placing_ = false;
            throw;
        }
        placing_ = false;
        acceptedGlass_ = rows->Glass;
        acceptedFrame_ = rows->Frame;
    }
    PageIndex = GlazingPage::Generic;
    pbfindVisible = false;
}

void GlazingEditor::PageControl1Change(GlazingPage page) {
    if (page == GlazingPage::CustomWindows) {
        PageIndex = page;
        ConvertGenToCustom();
        pbfindVisible = true;
        ClosePalette();
        return;
    }
    ConvertCustomToGen();
    if (PageIndex == GlazingPage::CustomWindows) ClosePalette();
}

// ---- Preview --------------------------------------------------------------------------------------

void GlazingEditor::DeleteAndDrawArea() {
    const double s = PreviewScale(model_) / 1000.0; // px per mm
    const double width = PaintBox1.Width;
    const double height = PaintBox1.Height;
    PaintBox1.Clear();
    PaintBox1.DrawWall(s * buffers_.EditWallLength, s * buffers_.EditWallHeight);
    const double ww = s * buffers_.EditWinWidth;
    const double wh = s * buffers_.EditWinHeight;
    PaintBox1.DrawOpening(Px((width - ww) / 2.0), height - s * buffers_.EditWinHeadHeight, ww, wh,
                          preview_colour::kBlue);
    const double top = buffers_.EditWinHeadHeight < buffers_.EditWinHeight ? buffers_.EditWinHeight
                                                                           : buffers_.EditWinHeadHeight;
    EavesLineY = Px(height - s * (top + buffers_.EditWinOffset));
    DisplayData();
}

// ---- Sizes ----------------------------------------------------------------------------------------

void GlazingEditor::AlterRadioButtons1() {
    selecting_ = true;
    HeightRG.SelectValue(buffers_.EditWinHeight);
    selecting_ = false;
    DeleteAndDrawArea();
}

void GlazingEditor::AlterRadioButtons2() {
    selecting_ = true;
    WidthRG.SelectValue(buffers_.EditWinWidth);
    selecting_ = false;
    DeleteAndDrawArea();
}

void GlazingEditor::AlterRadioButtons3() {
    selecting_ = true;
    OffsetRG.SelectValue(buffers_.EditWinOffset);
    selecting_ = false;
    DeleteAndDrawArea();
}

void GlazingEditor::HeightRGClick() {
    if (selecting_ || HeightRG.ItemIndex() < 0) return;
    const double previous = buffers_.EditWinHeight;
    buffers_.EditWinHeight = HeightRG.Value(HeightRG.ItemIndex());
    if (buffers_.EditWinHeight > buffers_.EditWinHeadHeight) {
        buffers_.EditWinHeight = previous;
        warn(messages_, glazing_text::kHeightAboveHead);
        AlterRadioButtons1();
    }
    HEdit.Show(FixedText(buffers_.EditWinHeight, 0));
    DeleteAndDrawArea();
}

void GlazingEditor::WidthRGClick() {
    if (selecting_ || WidthRG.ItemIndex() < 0) return;
    const double previous = buffers_.EditWinWidth;
    buffers_.EditWinWidth = WidthRG.Value(WidthRG.ItemIndex());
    if (buffers_.EditWinWidth > buffers_.EditWallLength) {
        buffers_.EditWinWidth = previous;
        warn(messages_, glazing_text::kWidthAboveWallWidth);
        AlterRadioButtons2();
    }
    WEdit.Show(FixedText(buffers_.EditWinWidth, 0));
    DeleteAndDrawArea();
}

void GlazingEditor::OffsetRGClick() {
    if (selecting_ || OffsetRG.ItemIndex() < 0) return;
    buffers_.EditWinOffset = OffsetRG.Value(OffsetRG.ItemIndex());
    OEdit.Show(FixedText(buffers_.EditWinOffset, 0));
    DeleteAndDrawArea();
}

void GlazingEditor::HEditChange() {
    ClosePalette();
    const auto height = TypedNumber(HEdit, kWindowSizeRange, messages_);
    if (!height) return;
    if (*height > buffers_.EditWinHeadHeight) {
        warn(messages_, glazing_text::kHeightAboveHead);
        HEdit.Clear();
        selecting_ = true;
        HeightRG.SetItemIndex(-1);
        selecting_ = false;
        return;
    }
    buffers_.EditWinHeight = *height;
    AlterRadioButtons1();
    DisplayData();
}

void GlazingEditor::WEditChange() {
    ClosePalette();
    const auto width = TypedNumber(WEdit, kWindowSizeRange, messages_);
    if (!width) return;
    if (*width > buffers_.EditWallLength) {
        warn(messages_, glazing_text::kWidthAboveWallWidth);
        buffers_.EditWinWidth = buffers_.EditWallLength;
        WEdit.Show(FixedText(buffers_.EditWinWidth, 0));
        selecting_ = true;
        WidthRG.SetItemIndex(-1);
        selecting_ = false;
        DeleteAndDrawArea();
        return;
    }
    buffers_.EditWinWidth = *width;
    AlterRadioButtons2();
    DisplayData();
}

void GlazingEditor::OEditChange() {
    ClosePalette();
    const auto offset = TypedNumber(OEdit, kWindowOffsetRange, messages_);
    if (!offset) return;
    buffers_.EditWinOffset = *offset;
    AlterRadioButtons3();
    DisplayData();
}

void GlazingEditor::HHEditChange() {
    ClosePalette();
    const auto head = TypedNumber(HHEdit, kWindowHeadRange, messages_);
    if (!head) return;
    buffers_.EditWinHeadHeight = *head;
    DeleteAndDrawArea();
}

void GlazingEditor::EAEditChange() {
    ClosePalette();
    const auto eaves = TypedNumber(EAEdit, kWindowHeadRange, messages_);
    if (!eaves) return;
    buffers_.EditWin2ndEaves = *eaves;
}

bool GlazingEditor::HHEditMouseMove() {
    if (buffers_.EditWinHeadHeight >= buffers_.EditWinHeight &&
        buffers_.EditWinHeadHeight <= buffers_.EditWallHeight)
        return false;
    buffers_.EditWinHeadHeight = buffers_.EditWallHeight;
    HHEdit.Show(FixedText(buffers_.EditWinHeadHeight, 0));
    warn(messages_, glazing_text::kHeadSetToWall);
    DeleteAndDrawArea();
    return true;
}

// ---- Other dialogs --------------------------------------------------------------------------------

void GlazingEditor::pbfindClick() {
    ClosePalette();
    buffers_.SavedWindowProductIndex = buffers_.WindowProductIndex;
    if (ShowCustomWindows) ShowCustomWindows();
    DisplayData();
}

void GlazingEditor::ShadingDataChange() {
    HorizShadSchedButtonVisible = shadingtable.Boolean("Schedule");
    DisplayData();
}

void GlazingEditor::HorizShadSchedButtonClick() {
    ClosePalette();
    if (ShowSchedule) ShowSchedule(buffers_.EditWinShading);
    SetIndicators();
}

void GlazingEditor::VertSButtonClick() {
    ClosePalette();
    if (ShowVerticalShading) ShowVerticalShading();
    SetIndicators();
}

void GlazingEditor::PictureClick(std::string_view key, const PictureAnchor& at) {
    TableCursor* table = nullptr;
    if (key == "WG") table = &glasstable;
    if (key == "WF") table = &frametable;
    if (key == "WS") table = &styletable;
    if (key == "WU") table = &furnishingstable;
    if (key == "WH") table = &shadingtable;
    if (table) OpenPalette(key, *table, at);
}

// ---- OK, copy and paste ---------------------------------------------------------------------------

bool GlazingEditor::StoreValues() {
    // The head height is checked here too: Enter reaches OK without passing the mouse over it.  A
    // window taller than its wall is lowered first, so that the head height can then sit at the wall.
    if (buffers_.EditWinHeight > buffers_.EditWallHeight) {
        buffers_.EditWinHeight = buffers_.EditWallHeight;
        warn(messages_, glazing_text::kHeightAboveWall);
        ShowSizes();
        return false;
    }
    if (HHEditMouseMove()) return false;
    buffers_.CurrentWindowCode = WindowNameEB.substr(0, kProductCodeLength);
    if (!HorizShadSchedButtonVisible)
        for (int m = 1; m <= 12; ++m) buffers_.EditWinShading(m) = kFullShading;
    const auto& v = buffers_.EditVertShading;
    if (DefaultsMode()) {
        TLevelDefaultRec& d = model_.LevelDefaults(model_.CurrentLevel);
        d.DefWinGlass = glasstable.RecNo();
        d.DefWinFrame = frametable.RecNo();
        d.DefWinStyle = styletable.RecNo();
        d.DefWinFurnishing = furnishingstable.RecNo();
        d.DefWinShading = shadingtable.RecNo();
        d.DefWinCode = buffers_.CurrentWindowCode;
        d.DefWinHeight = buffers_.EditWinHeight;
        d.DefWinWidth = buffers_.EditWinWidth;
        d.DefWinOffset = buffers_.EditWinOffset;
        d.DefWin2ndEaves = buffers_.EditWin2ndEaves;
        d.DefWinHeadHeight = buffers_.EditWinHeadHeight;
        d.DefWinOpen = OpenCB;
        d.DefWinMonthlyShading = buffers_.EditWinShading;
        d.DefVertShadeLeftWidth = v(1);
        d.DefVertShadeRightWidth = v(2);
        d.DefVertShadeLeftOffset = v(3);
        d.DefVertShadeRightOffset = v(4);
        return true;
    }
    const PlanSelection& s = selection_;
    TWindowRec& w = model_.WallWindows(s.CurrentZone, s.CurrentWall, s.CurrentWindow);
    w.Glass = glasstable.RecNo();
    w.Frame = frametable.RecNo();
    w.Style = styletable.RecNo();
    w.Furnishing = furnishingstable.RecNo();
    w.Shading = shadingtable.RecNo();
    w.ProductCode = buffers_.CurrentWindowCode;
    w.Height = buffers_.EditWinHeight / 1000.0;
    w.Width = buffers_.EditWinWidth / 1000.0;
    w.ElementArea = w.Height * w.Width;
    w.Offset = buffers_.EditWinOffset / 1000.0;
    w.SecondEaves = buffers_.EditWin2ndEaves / 1000.0;
    w.HeadHeight = buffers_.EditWinHeadHeight / 1000.0;
    w.PermanentlyOpen = OpenCB;
    w.MonthlyShading = buffers_.EditWinShading;
    w.VertShadeLeftWidth = v(1);
    w.VertShadeRightWidth = v(2);
    w.VertShadeLeftOffset = v(3);
    w.VertShadeRightOffset = v(4);
    return true;
}

void GlazingEditor::CopyValues() {
    WindowCopy& c = context_.clipboard.Window;
    c.Glass = glasstable.RecNo();
    c.Frame = frametable.RecNo();
    c.Style = styletable.RecNo();
    c.Furnishing = furnishingstable.RecNo();
    c.Shading = shadingtable.RecNo();
    c.ProductCode = buffers_.CurrentWindowCode;
    c.PermanentlyOpen = OpenCB;
    c.Height = buffers_.EditWinHeight;
    c.Width = buffers_.EditWinWidth;
    c.Offset = buffers_.EditWinOffset;
    c.SecondEaves = buffers_.EditWin2ndEaves;
    c.HeadHeight = buffers_.EditWinHeadHeight;
    c.MonthlyShading = buffers_.EditWinShading;
    c.VertShading = buffers_.EditVertShading;
}

void GlazingEditor::PasteValues() {
    const WindowCopy& c = context_.clipboard.Window;
    MoveTables(c.Glass, c.Frame, c.Style, c.Furnishing, c.Shading);
    buffers_.CurrentWindowCode = c.ProductCode;
    OpenCB = c.PermanentlyOpen;
    buffers_.EditWinHeight = c.Height;
    buffers_.EditWinWidth = c.Width;
    buffers_.EditWinOffset = c.Offset;
    buffers_.EditWin2ndEaves = c.SecondEaves;
    buffers_.EditWinHeadHeight = c.HeadHeight;
    FitIntoWall();
    buffers_.EditWinShading = c.MonthlyShading;
    buffers_.EditVertShading = c.VertShading;
    SetIndicators();
    ShowSizes();
    IDWindowNumber();
}

} // namespace pelmora
