#include "modeller/editors/skylight_editor.h"

#include "common/rounding.h"
#include "modeller/model/product_codes.h"
#include "modeller/model/product_libraries.h"
#include "modeller/platform/message_service.h"

#include <QString>

#include <algorithm>
#include <cstdlib>

namespace pelmora {

namespace {

namespace t = skylight_text;

// Percentages of the items of OpeningRG and ShadingRG.
constexpr int kPercentStep = 20;
constexpr int kPercentItems = 6;

// The level default skylight as a skylight record, and back.
TSkylightRec DefaultSkylight(const TLevelDefaultRec& d) {
    TSkylightRec s;
    s.SkyProduct = d.DefSkyProduct;
    s.SkyFrame = d.DefSkyFrame;
    s.Furnishing = d.DefSkyFurnishing;
    s.Style = d.DefSkyStyle;
    s.Glass = d.DefSkyGlass;
    s.Frame = d.DefSkyWinFrame;
    s.ClereWallWidth = d.DefClereWallWidth;
    s.ClereWallHeight = d.DefClereWallHeight;
    s.ClereEavesWidth = d.DefClereEavesWidth;
    s.ClereEavesOffset = d.DefClereEavesOffset;
    s.WindowCode = d.DefSkyWindowCode;
    s.ProductCode = d.DefSkyCode;
    s.Slope = d.DefSkySlope;
    s.Height = d.DefSkyHeight;
    s.Width = d.DefSkyWidth;
    s.Orientation = d.DefSkyOrientation;
    s.ShaftLength = d.DefShaftLength;
    s.OpeningPercent = d.DefSkyOpening;
    s.ShadingPercent = d.DefSkyShading;
    s.ShaftReflectance = d.DefShaftReflectance;
    s.ShaftR = d.DefShaftR;
    s.Clerestory = d.DefClerestory;
    s.Diffuser = d.DefDiffuser;
    s.Vented = d.DefVented;
    return s;
}

void StoreDefaultSkylight(TLevelDefaultRec& d, const TSkylightRec& s) {
    d.DefSkyProduct = s.SkyProduct;
    d.DefSkyFrame = s.SkyFrame;
    d.DefSkyFurnishing = s.Furnishing;
    d.DefSkyStyle = s.Style;
    d.DefSkyGlass = s.Glass;
    d.DefSkyWinFrame = s.Frame;
    d.DefClereWallWidth = s.ClereWallWidth;
    d.DefClereWallHeight = s.ClereWallHeight;
    d.DefClereEavesWidth = s.ClereEavesWidth;
    d.DefClereEavesOffset = s.ClereEavesOffset;
    d.DefSkyWindowCode = s.WindowCode;
    d.DefSkyCode = s.ProductCode;
    d.DefSkySlope = s.Slope;
    d.DefSkyHeight = s.Height;
    d.DefSkyWidth = s.Width;
    d.DefSkyOrientation = s.Orientation;
    d.DefShaftLength = s.ShaftLength;
    d.DefSkyOpening = s.OpeningPercent;
    d.DefSkyShading = s.ShadingPercent;
    d.DefShaftReflectance = s.ShaftReflectance;
    d.DefShaftR = s.ShaftR;
    d.DefClerestory = s.Clerestory;
    d.DefDiffuser = s.Diffuser;
    d.DefVented = s.Vented;
}

// All fields of `from` but the azimuth, which the engine input writer keeps in the record.
void CopyKeepingAzimuth(TSkylightRec& to, const TSkylightRec& from) {
    const double azimuth = to.SkyAzimuth;
    to = from;
    to.SkyAzimuth = azimuth;
}

int ClampedShaftLength(int length) {
    return std::clamp(length, 0, kMaxShaftLength);
}

int ClampedReflectance(int reflectance) {
    return std::clamp(reflectance, kMinShaftReflectance, kMaxShaftReflectance);
}

} // namespace

std::string SkylightCaption(int skylight, int zone) {
    return "Skylight " + std::to_string(skylight) + " for Zone " + std::to_string(zone);
}

SkylightEditor::SkylightEditor(EditorContext& context)
    : ElementEditor(context, EditorKind::Skylight),
      materialstable(context.tables.SkylightForm.materialstable),
      SkyFrameTable(context.tables.SkylightForm.SkyFrameTable),
      glasstable(context.tables.SkylightForm.glasstable), frametable(context.tables.SkylightForm.frametable),
      styletable(context.tables.SkylightForm.styletable),
      furnishingstable(context.tables.SkylightForm.furnishingstable) {
    Caption = std::string(t::kDesignCaption);
    addTable(materialstable, [this] {
        IDSkyNumber();
        ConvertSkyGenToCustom();
    });
    addTable(SkyFrameTable, [this] {
        IDSkyNumber();
        ConvertSkyGenToCustom();
    });
    addTable(glasstable, [this] {
        IDWindowNumber();
        ConvertGenToCustom();
    });
    addTable(frametable, [this] {
        IDWindowNumber();
        ConvertGenToCustom();
    });
    addTable(styletable, [this] { DisplayFigures(); });
    addTable(furnishingstable, [this] { DisplayFigures(); });
    HEdit.OnChange([this] { HEditChange(); });
    WEdit.OnChange([this] { WEditChange(); });
    WHEdit.OnChange([this] { WHEditChange(); });
    WWEdit.OnChange([this] { WWEditChange(); });
    WHEdit.OnTypingEnd([this] { WallBoxTypingEnd(); });
    WWEdit.OnTypingEnd([this] { WallBoxTypingEnd(); });
    EOEdit.OnChange([this] { EOEditChange(); });
    EWEdit.OnChange([this] { EWEditChange(); });
    AngleEdit.OnChange([this] { AngleEditChange(); });
    HeightRG.OnClick([this] { HeightRGClick(); });
    WidthRG.OnClick([this] { WidthRGClick(); });
    OpeningRG.OnClick([this] { OpeningRGClick(); });
    ShadingRG.OnClick([this] { ShadingRGClick(); });
}

bool SkylightEditor::ZoneValid() const {
    return Zone() >= 1 && Zone() <= model_.ZoneCount;
}

int SkylightEditor::NumberButtonCount() const {
    if (DefaultsMode() || !ZoneValid()) return 0;
    return model_.Zones(Zone()).SkylightCount;
}

// ---- Filling and saving -----------------------------------------------------------------------------

void SkylightEditor::ReadShowData() {
    // A library that cannot be read raises ModelError naming the file: the editor is not shown and
    // the library in memory stays as it was.
    ReadSkylightLibrary(model_);
}

void SkylightEditor::SetValues() {
    if (DefaultsMode()) {
        ShowDefaultsFrame();
        NumPanelVisible = false;
        OrientPanelVisible = false;
        AssignDefaults();
        CancelSBVisible = true;
        ResetButtonVisible = true;
    } else {
        NumPanelVisible = true;
        OrientPanelVisible = true;
        ShowElementFrame("");
        const int z = Zone();
        const int n = model_.Zones(z).SkylightCount;
        if (selection_.InsertSkylightMode && n >= kMaxSkylights) {
            messages_.warn(platform::Utf8(limit_text::kSkylights));
            CurrentSkylight = 1;
            AssignValues();
        } else if (selection_.InsertSkylightMode) {
            const AddResult added = model_.AddSkylight(z);
            CurrentSkylight = added.index;
            AssignDefaults();
            SaveProperties();
        } else if (n > 0) {
            CurrentSkylight = 1;
            AssignValues();
        } else {
            CurrentSkylight = 0;
            AssignDefaults();
            Caption = std::string(t::kNoSkylights) + std::to_string(z);
        }
        if (CurrentSkylight > 0) Caption = SkylightCaption(CurrentSkylight, z);
        selection_.InsertSkylightMode = false;
        CancelSBVisible = false;
        ResetButtonVisible = false;
    }
    ShowShaftR();
    WindowSkylightChange();
    ChangeNumber();
    AlterWidth();
    AlterHeight();
}

void SkylightEditor::Load(const TSkylightRec& s) {
    // Moving the tables runs their data-change handlers, which look the codes up again.
    materialstable.MoveTo(s.SkyProduct);
    SkyFrameTable.MoveTo(s.SkyFrame);
    furnishingstable.MoveTo(s.Furnishing);
    styletable.MoveTo(s.Style);
    glasstable.MoveTo(s.Glass);
    frametable.MoveTo(s.Frame);
    EditClereWallWidth = s.ClereWallWidth;
    EditClereWallHeight = s.ClereWallHeight;
    EditClereEavesWidth = s.ClereEavesWidth;
    EditClereEavesOffset = s.ClereEavesOffset;
    buffers_.CurrentWindowCode = s.WindowCode;
    buffers_.CurrentSkylightCode = s.ProductCode;
    buffers_.EditSlope = s.Slope;
    buffers_.EditSkyHeight = s.Height;
    buffers_.EditSkyWidth = s.Width;
    buffers_.EditSkyOrientation = s.Orientation;
    EditShaftLength = s.ShaftLength;
    EditSkyOpening = s.OpeningPercent;
    EditSkyShading = s.ShadingPercent;
    EditShaftReflectance = s.ShaftReflectance;
    buffers_.EditShaftR = s.ShaftR;
    SetClerestory(s.Clerestory);
    DiffuserCB = s.Diffuser;
    VentedCB = s.Vented;
    // A skylight saved straight away (inserted, added) is saved with what was just loaded: the shaft
    // controls show the loaded values at once, and the products shown are those of the codes just
    // loaded, not of the codes the table moves built.
    LengthSE = ClampedShaftLength(EditShaftLength);
    ReflSE = ClampedReflectance(EditShaftReflectance);
    IdentifyProducts();
    ShowShaftR();
}

void SkylightEditor::AssignValues() {
    Load(model_.ZoneSkylights(Zone(), CurrentSkylight));
    ChangeNumber();
}

void SkylightEditor::AssignDefaults() {
    Load(DefaultSkylight(model_.LevelDefaults(model_.CurrentLevel)));
}

TSkylightRec SkylightEditor::ShownRecord() const {
    TSkylightRec s;
    s.SkyProduct = materialstable.RecNo();
    s.SkyFrame = SkyFrameTable.RecNo();
    s.Furnishing = furnishingstable.RecNo();
    s.Style = styletable.RecNo();
    s.Glass = glasstable.RecNo();
    s.Frame = frametable.RecNo();
    s.ClereWallWidth = EditClereWallWidth;
    s.ClereWallHeight = EditClereWallHeight;
    s.ClereEavesWidth = EditClereEavesWidth;
    s.ClereEavesOffset = EditClereEavesOffset;
    s.WindowCode = buffers_.CurrentWindowCode;
    s.ProductCode = buffers_.CurrentSkylightCode;
    s.Slope = buffers_.EditSlope;
    s.Height = buffers_.EditSkyHeight;
    s.Width = buffers_.EditSkyWidth;
    s.Orientation = buffers_.EditSkyOrientation;
    s.ShaftLength = LengthSE;
    s.OpeningPercent = EditSkyOpening;
    s.ShadingPercent = EditSkyShading;
    s.ShaftReflectance = ReflSE;
    s.ShaftR = buffers_.EditShaftR;
    s.Clerestory = RoofWindowCB;
    s.Diffuser = DiffuserCB;
    s.Vented = VentedCB;
    return s;
}

void SkylightEditor::SaveProperties() {
    if (CurrentSkylight < 1 || !ZoneValid()) return;
    // The codes are those of the products shown (an index of 0 counts as 1).  An empty library entry
    // (a library without products) names no product: the skylight keeps the code it has.
    const std::string& window = model_.WindowProducts(std::max(WindowProductIndex, 1)).ProductCode;
    const std::string& sky =
        model_.SkylightProducts(std::max<int>(buffers_.SkylightProductIndex, 1)).ProductCode;
    if (!window.empty()) buffers_.CurrentWindowCode = window;
    if (!sky.empty()) buffers_.CurrentSkylightCode = sky;
    CopyKeepingAzimuth(model_.ZoneSkylights(Zone(), CurrentSkylight), ShownRecord());
}

void SkylightEditor::SaveDefaultProperties() {
    StoreDefaultSkylight(model_.LevelDefaults(model_.CurrentLevel), ShownRecord());
}

bool SkylightEditor::StoreValues() {
    // A clerestory wall typed lower or narrower than its window is raised to it, told, and shown
    // before anything is stored.
    if (RoofWindowCB && FitWallToWindow()) {
        DrawArea();
        return false;
    }
    EditShaftLength = LengthSE;
    EditShaftReflectance = ReflSE;
    if (DefaultsMode()) {
        // The defaults warning dialog takes the shaft R as the scroll bar shows it.
        buffers_.EditShaftR = Rscroll / 10.0;
        SaveDefaultProperties();
    } else {
        SaveProperties();
    }
    return true;
}

void SkylightEditor::ShowShaftR() {
    RLabel = FixedText(buffers_.EditShaftR, 1);
    Rscroll =
        std::clamp(static_cast<int>(common::roundHalfEvenToInt(ReadNumber(RLabel).value_or(0.0) * 10.0)), 0,
                   kMaxShaftRscroll);
}

void SkylightEditor::IdentifyProducts() {
    if (const int w = WindowProductIndexOf(model_, buffers_.CurrentWindowCode)) WindowProductIndex = w;
    if (const int s = SkylightProductIndexOf(model_, buffers_.CurrentSkylightCode))
        buffers_.SkylightProductIndex = s;
}

// ---- The zone's list --------------------------------------------------------------------------------

void SkylightEditor::ChangeNumber() {
    HEdit.Show(FixedText(buffers_.EditSkyHeight, 0));
    WEdit.Show(FixedText(buffers_.EditSkyWidth, 0));
    EWEdit.Show(FixedText(EditClereEavesWidth, 0));
    EOEdit.Show(FixedText(EditClereEavesOffset, 0));
    WHEdit.Show(FixedText(EditClereWallHeight, 0));
    WWEdit.Show(FixedText(EditClereWallWidth, 0));
    // The presets follow the skylight shown, so that none stays selected from another skylight.
    HeightRG.SelectValue(buffers_.EditSkyHeight);
    WidthRG.SelectValue(buffers_.EditSkyWidth);
    // Both codes are looked up, so that the code of the kind not shown is kept when the skylight is
    // saved; the figures are those of the kind shown.
    IDWindowNumber();
    IDSkyNumber();
    EraseOld();
    PaintBoxTilt.TiltPoint = TiltPointOf(buffers_.EditSlope);
    DrawNew();
    DisplayBearings();
    SelectOrientionButton();
    OpeningRG.SetItemIndex(SkyOpen(EditSkyOpening));
    ShadingRG.SetItemIndex(Shading(EditSkyShading));
    LengthSE = ClampedShaftLength(EditShaftLength);
    ReflSE = ClampedReflectance(EditShaftReflectance);
    DeleteAndDrawArea();
    DisplayFigures();
}

void SkylightEditor::ChangeSkylights() {
    EraseOld();
    AssignValues();
    ShowShaftR();
    Caption = SkylightCaption(CurrentSkylight, Zone());
    ChangeNumber();
    DisplayFigures();
}

void SkylightEditor::NumberButtonClick(int k) {
    if (k < 1 || k > NumberButtonCount()) return;
    if (RoofWindowCB) FitWallToWindow();
    SaveProperties();
    ClosePalette();
    CurrentSkylight = k;
    ChangeSkylights();
}

void SkylightEditor::SBAddClick() {
    EditShaftLength = LengthSE;
    EditShaftReflectance = ReflSE;
    if (DefaultsMode() || !ZoneValid()) return;
    const int z = Zone();
    if (model_.Zones(z).SkylightCount >= kMaxSkylights) {
        messages_.warn(platform::Utf8(limit_text::kSkylights));
        return;
    }
    if (CurrentSkylight >= 1) {
        if (RoofWindowCB) FitWallToWindow();
        SaveProperties();
    }
    EraseOld();
    const AddResult added = model_.AddSkylight(z);
    CurrentSkylight = added.index;
    AssignDefaults();
    Caption = SkylightCaption(CurrentSkylight, z);
    SaveProperties();
    ChangeNumber();
}

void SkylightEditor::SBDeleteClick() {
    if (DefaultsMode() || !ZoneValid()) return;
    const int z = Zone();
    TZoneRec& zone = model_.Zones(z);
    if (zone.SkylightCount < 1 || CurrentSkylight < 1) {
        messages_.beep();
        return;
    }
    EraseOld();
    // The values typed for the deleted skylight are not saved first.
    for (int i = CurrentSkylight; i < zone.SkylightCount; ++i)
        CopyKeepingAzimuth(model_.ZoneSkylights(z, i), model_.ZoneSkylights(z, i + 1));
    --zone.SkylightCount;
    if (zone.SkylightCount == 0) {
        CurrentSkylight = 0;
        AssignDefaults();
        Caption = std::string(t::kNoSkylights) + std::to_string(z);
    } else {
        CurrentSkylight = 1;
        AssignValues();
        Caption = SkylightCaption(1, z);
    }
    ChangeNumber();
}

// ---- Controls ----------------------------------------------------------------------------------------

int SkylightEditor::SkyOpen(int percent) {
    if (percent < 0 || percent % kPercentStep != 0 || percent / kPercentStep >= kPercentItems) return -1;
    return percent / kPercentStep;
}

void SkylightEditor::OpeningRGClick() {
    if (OpeningRG.ItemIndex() >= 0) EditSkyOpening = OpeningRG.ItemIndex() * kPercentStep;
}

void SkylightEditor::ShadingRGClick() {
    if (ShadingRG.ItemIndex() >= 0) EditSkyShading = ShadingRG.ItemIndex() * kPercentStep;
}

void SkylightEditor::OrientationButtonClick(int k) {
    ClosePalette();
    if (k < 0 || k > 7) return;
    buffers_.EditSkyOrientation = k;
    SelectOrientionButton();
}

void SkylightEditor::HeightRGClick() {
    if (HeightRG.ItemIndex() < 0) return;
    buffers_.EditSkyHeight = HeightRG.Value(HeightRG.ItemIndex());
    HEdit.Show(FixedText(buffers_.EditSkyHeight, 0));
    DeleteAndDrawArea();
}

void SkylightEditor::WidthRGClick() {
    if (WidthRG.ItemIndex() < 0) return;
    buffers_.EditSkyWidth = WidthRG.Value(WidthRG.ItemIndex());
    WEdit.Show(FixedText(buffers_.EditSkyWidth, 0));
    DeleteAndDrawArea();
}

void SkylightEditor::HEditChange() {
    if (const auto height = TypedNumber(HEdit, kSkylightSizeRange, messages_)) {
        buffers_.EditSkyHeight = *height;
        AlterHeight();
    }
    ClosePalette();
    DisplayFigures();
}

void SkylightEditor::WEditChange() {
    if (const auto width = TypedNumber(WEdit, kSkylightSizeRange, messages_)) {
        buffers_.EditSkyWidth = *width;
        AlterWidth();
    }
    ClosePalette();
    DisplayFigures();
}

void SkylightEditor::AlterHeight() {
    HeightRG.SelectValue(buffers_.EditSkyHeight);
    DeleteAndDrawArea();
}

void SkylightEditor::AlterWidth() {
    WidthRG.SelectValue(buffers_.EditSkyWidth);
    DeleteAndDrawArea();
}

std::optional<double> SkylightEditor::WallBoxNumber(const EditText& box) const {
    if (box.Text().find_first_not_of(' ') == std::string::npos) return std::nullopt;
    const auto value = ReadNumber(box.Text());
    if (!value) {
        messages_.error(QString::fromStdString(NotANumberText(box.Text())));
        return std::nullopt;
    }
    return kSkylightSizeRange.limit(*value);
}

// The wall's size is compared with its window only when its typing ends: the first digits of a
// wall height are lower than the window they are meant to hold.
void SkylightEditor::WHEditChange() {
    if (const auto value = WallBoxNumber(WHEdit)) {
        EditClereWallHeight = *value;
        DrawArea();
    }
}

void SkylightEditor::WWEditChange() {
    if (const auto value = WallBoxNumber(WWEdit)) {
        EditClereWallWidth = *value;
        DrawArea();
    }
}

void SkylightEditor::WallBoxTypingEnd() {
    DeleteAndDrawArea();
}

void SkylightEditor::EOEditChange() {
    if (const auto value = WallBoxNumber(EOEdit)) {
        EditClereEavesOffset = *value;
        DeleteAndDrawArea();
    }
}

void SkylightEditor::EWEditChange() {
    if (const auto value = WallBoxNumber(EWEdit)) EditClereEavesWidth = *value;
}

void SkylightEditor::RscrollChange(int position) {
    Rscroll = std::clamp(position, 0, kMaxShaftRscroll);
    buffers_.EditShaftR = Rscroll / 10.0;
    RLabel = FixedText(buffers_.EditShaftR, 1);
    ClosePalette();
}

void SkylightEditor::LengthSEChange(int value) {
    LengthSE = ClampedShaftLength(value);
    EditShaftLength = LengthSE;
    ClosePalette();
}

void SkylightEditor::ReflSEChange(int value) {
    ReflSE = ClampedReflectance(value);
    EditShaftReflectance = ReflSE;
    ClosePalette();
}

void SkylightEditor::SetClerestory(bool checked) {
    if (checked == RoofWindowCB) return;
    RoofWindowCB = checked;
    WindowSkylightChange();
}

void SkylightEditor::RoofWindowCBClick(bool checked) {
    RoofWindowCB = checked;
    WindowSkylightChange();
    ClosePalette();
}

void SkylightEditor::DiffuserCBClick(bool checked) {
    DiffuserCB = checked;
    ClosePalette();
}

void SkylightEditor::VentedCBClick(bool checked) {
    VentedCB = checked;
    ClosePalette();
}

void SkylightEditor::WindowSkylightChange() {
    const bool clerestory = RoofWindowCB;
    PageControl1Visible = CoveringPanelVisible = StylePanelVisible = DimPanelVisible = clerestory;
    ShaftPanelVisible = SkylightPanelVisible = PanelTiltVisible = !clerestory;
    ActivePage = Page::Custom;
    pbfindVisible = clerestory;
    DeleteAndDrawArea();
    DisplayFigures();
}

void SkylightEditor::pbfindClick() {
    ClosePalette();
    // The chooser starts from the clerestory window's product and hands its choice back as the
    // current window code.
    buffers_.WindowProductIndex = buffers_.SavedWindowProductIndex = std::max(WindowProductIndex, 1);
    if (CustWinForm) CustWinForm();
    IDWindowNumber();
    DisplayWindowData();
}

void SkylightEditor::PageControl1Change(Page page) {
    ActivePage = page;
    if (page == Page::Custom) {
        ConvertGenToCustom();
        pbfindVisible = true;
        return;
    }
    ConvertCustomToGen();
}

void SkylightEditor::dbmaterialpictureClick(const PictureAnchor& at) {
    OpenPalette("SM", materialstable, at);
}
void SkylightEditor::DBSkyFrameClick(const PictureAnchor& at) {
    OpenPalette("SR", SkyFrameTable, at);
}
void SkylightEditor::dbglasspicClick(const PictureAnchor& at) {
    OpenPalette("SG", glasstable, at);
}
void SkylightEditor::dbframepicClick(const PictureAnchor& at) {
    OpenPalette("SF", frametable, at);
}
void SkylightEditor::dbstylepicClick(const PictureAnchor& at) {
    OpenPalette("SS", styletable, at);
}
void SkylightEditor::DBImage1Click(const PictureAnchor& at) {
    OpenPalette("SU", furnishingstable, at);
}

// ---- Product codes -------------------------------------------------------------------------------------

void SkylightEditor::IDWindowNumber() {
    const int index = WindowProductIndexOf(model_, buffers_.CurrentWindowCode);
    if (index == 0) return;
    WindowProductIndex = index;
    if (RoofWindowCB) DisplayWindowData();
}

void SkylightEditor::IDSkyNumber() {
    const int index = SkylightProductIndexOf(model_, buffers_.CurrentSkylightCode);
    if (index == 0) return;
    buffers_.SkylightProductIndex = index;
    if (!RoofWindowCB) DisplaySkylightData();
}

void SkylightEditor::ConvertGenToCustom() {
    if (!glasstable.Active() || !frametable.Active()) return;
    if (const auto code = GenericWindowCode(glasstable.RecNo(), frametable.RecNo()))
        buffers_.CurrentWindowCode = *code;
    IDWindowNumber();
}

void SkylightEditor::ConvertCustomToGen() {
    if (!IsGenericWindowCode(buffers_.CurrentWindowCode)) {
        ActivePage = Page::Custom;
        pbfindVisible = true;
        return;
    }
    if (const auto rows = RowsOfGenericWindowCode(buffers_.CurrentWindowCode)) {
        glasstable.MoveTo(rows->Glass);
        frametable.MoveTo(rows->Frame);
        // The code reads as the pair's own code even when the tables were there already.
        ConvertGenToCustom();
    }
    ActivePage = Page::Generic;
    pbfindVisible = false;
}

void SkylightEditor::ConvertSkyGenToCustom() {
    if (!materialstable.Active() || !SkyFrameTable.Active()) return;
    if (const auto code = GenericSkylightCode(materialstable.RecNo(), SkyFrameTable.RecNo()))
        buffers_.CurrentSkylightCode = *code;
    IDSkyNumber();
}

// ---- Figures and drawings --------------------------------------------------------------------------------

void SkylightEditor::DisplayFigures() {
    if (RoofWindowCB)
        DisplayWindowData();
    else
        DisplaySkylightData();
}

void SkylightEditor::DisplaySkylightData() {
    if (!furnishingstable.Active()) return;
    if (buffers_.SkylightProductIndex == 0) buffers_.SkylightProductIndex = 1;
    const CustSkyType& p = model_.SkylightProducts(buffers_.SkylightProductIndex);
    buffers_.SkylightArea = buffers_.EditSkyWidth * buffers_.EditSkyHeight / 1.0e6;
    Figures = SkylightProductFigures(p, buffers_.SkylightArea, furnishingstable.Float("AddR"));
    WholeWindowU = Figures.WholeWindowU;
}

void SkylightEditor::DisplayWindowData() {
    if (!furnishingstable.Active() || !styletable.Active()) return;
    if (WindowProductIndex == 0) WindowProductIndex = 1;
    const CustWinType& p = model_.WindowProducts(WindowProductIndex);
    const double wallArea = EditClereWallHeight * EditClereWallWidth / 1.0e6;         // m2
    const double windowArea = buffers_.EditSkyWidth * buffers_.EditSkyHeight / 1.0e6; // m2
    Figures = ClerestoryWindowFigures(p, wallArea, windowArea, furnishingstable.Float("AddR"),
                                      styletable.Float("Opening"));
    WholeWindowU = Figures.WholeWindowU;
    WholeWindowSHGC = Figures.WholeWindowSHGC;
}

void SkylightEditor::DeleteAndDrawArea() {
    if (RoofWindowCB) FitWallToWindow();
    DrawArea();
}

bool SkylightEditor::FitWallToWindow() {
    bool fitted = false;
    if (EditClereWallHeight < buffers_.EditSkyHeight) {
        messages_.warn(platform::Utf8(t::kWindowTooHigh));
        EditClereWallHeight = buffers_.EditSkyHeight;
        WHEdit.Show(FixedText(EditClereWallHeight, 0));
        fitted = true;
    }
    if (EditClereWallWidth < buffers_.EditSkyWidth) {
        messages_.warn(platform::Utf8(t::kWindowTooWide));
        EditClereWallWidth = buffers_.EditSkyWidth;
        WWEdit.Show(FixedText(EditClereWallWidth, 0));
        fitted = true;
    }
    return fitted;
}

void SkylightEditor::DrawArea() {
    const double s = SkylightDrawingScale(model_.Magnification); // px per mm
    PaintBox1.Clear();
    if (!RoofWindowCB) {
        DrawBar(PaintBox1, s, buffers_.EditSkyWidth, buffers_.EditSkyHeight);
        DisplaySkylightData();
    } else {
        const double wallArea = EditClereWallHeight * EditClereWallWidth / 1.0e6; // m2
        buffers_.SkylightArea = buffers_.EditSkyWidth * buffers_.EditSkyHeight / 1.0e6;
        Figures.GrossWallAreaLabel = GrossWallAreaText(wallArea);
        Figures.NettWallAreaLabel = NetWallAreaText(wallArea, buffers_.SkylightArea);
        DrawWall(PaintBox1, s, EditClereWallWidth, EditClereWallHeight);
        DrawWindow(PaintBox1, s, buffers_.EditSkyWidth, buffers_.EditSkyHeight, EditClereWallHeight,
                   EditClereEavesOffset);
        // The window's own figures (area, UA) follow its size as the wall's do.
        DisplayWindowData();
    }
    DisplayTotalArea();
}

void SkylightEditor::DisplayTotalArea() {
    double total = 0.0; // m2
    if (!DefaultsMode() && ZoneValid()) {
        const int z = Zone();
        for (int i = 1; i <= model_.Zones(z).SkylightCount; ++i) {
            if (i == CurrentSkylight) continue;
            const TSkylightRec& sky = model_.ZoneSkylights(z, i);
            total += sky.Width * sky.Height / 1.0e6;
        }
    }
    if (CurrentSkylight != 0 || DefaultsMode())
        total += buffers_.EditSkyWidth * buffers_.EditSkyHeight / 1.0e6;
    TotalAreaLabel = TotalAreaText(total);
}

void SkylightEditor::DisplayBearings() {
    OrientationCaptions = BearingCaptions(model_.NorthAngle);
}

void SkylightEditor::SelectOrientionButton() {
    OrientationDown = buffers_.EditSkyOrientation;
}

void SkylightEditor::DrawNew() {
    PaintBoxTilt.Drawn = true;
    AngleEdit.SetText(FixedText(common::roundHalfEven(buffers_.EditSlope), 0));
}

void SkylightEditor::EraseOld() {
    PaintBoxTilt.Drawn = false;
}

void SkylightEditor::AngleEditChange() {
    ClosePalette();
    const auto slope = ReadNumber(AngleEdit.Text());
    if (!slope) {
        AngleEdit.Clear();
        buffers_.EditSlope = 0.0001;
        messages_.beep();
        return;
    }
    EraseOld();
    buffers_.EditSlope = *slope <= 0.0 ? 0.0001 : std::min(*slope, 90.0);
    PaintBoxTilt.TiltPoint = TiltPointOf(buffers_.EditSlope);
    DrawNew();
}

void SkylightEditor::PaintBoxTiltMouseDown(int x, int y) {
    const PixelPoint& p = PaintBoxTilt.TiltPoint;
    if (std::abs(x - p.X) <= TiltDrawing::kGrabDistance && std::abs(y - p.Y) <= TiltDrawing::kGrabDistance)
        PaintBoxTilt.Dragging = true;
}

void SkylightEditor::PaintBoxTiltMouseMove(int x, int y) {
    if (!PaintBoxTilt.Dragging || x < 0) return;
    EraseOld();
    PaintBoxTilt.TiltPoint = {x, y};
    buffers_.EditSlope = DraggedSlope(x, y);
    DrawNew();
}

void SkylightEditor::PaintBoxTiltMouseUp() {
    PaintBoxTilt.Dragging = false;
}

// ---- Copy and paste ------------------------------------------------------------------------------------

void SkylightEditor::CopyValues() {
    copy_.Values = ShownRecord();
}

void SkylightEditor::PasteValues() {
    EraseOld();
    Load(copy_.Values);
    ChangeNumber();
}

} // namespace pelmora
