#include "modeller/editors/ext_floor_editor.h"

#include "common/rounding.h"
#include "modeller/editors/wall_editor.h"
#include "modeller/model/common_floor_area.h"
#include "modeller/model/level_defaults.h"
#include "modeller/model/occupancy_gains.h"
#include "modeller/platform/message_service.h"

#include <QString>

#include <algorithm>

namespace pelmora {

namespace {

// Surface resistances of an external floor: the slab on ground has no outside surface film of its
// own (m2K/W).
constexpr double kSlabSurfaceR = kInsideSurfaceR;
constexpr double kSuspendedSurfaceR = 0.159;
constexpr long long kSlabFloorNumber = 1;

void warn(platform::MessageService& messages, std::string_view text) {
    messages.warn(platform::Utf8(text));
}

bool isSuspendedFloorRecord(int record) {
    return record >= 2 && record <= 4;
}

// The selected item, or `stored` when none is selected (a stored value outside the group).
std::int32_t itemOr(const RadioChoice& choice, std::int32_t stored) {
    return choice.ItemIndex() >= 0 ? choice.ItemIndex() : stored;
}

// The floor editor's palettes stand 5 px below its top.
PictureAnchor belowTop(PictureAnchor at) {
    at.PaletteTopOffset = 5;
    return at;
}

bool lists(const SharedZoneList& list, int zone) {
    for (int slot = 1; slot <= kSharedZoneSlots; ++slot)
        if (list(slot) == zone) return true;
    return false;
}

} // namespace

GapResistances ExtFloorGap(long long code) {
    switch (code) {
    case 1:
        return {0.149, 0.192};
    case 2:
        return {0.461, 1.514};
    case 3:
        return {0.407, 1.051};
    case 4:
        return {0.242, 0.38};
    default:
        return {};
    }
}

ExtFloorResistances ExtFloorRValues(long long floorNumber, double floorR,
                                    const ExtFloorInsulationRow& insulation, bool bulkShown, double addedR,
                                    const FloorCoverRow& cover, bool houseHasGarage) {
    ExtFloorResistances r;
    r.Surfaces = floorNumber == kSlabFloorNumber ? kSlabSurfaceR : kSuspendedSurfaceR;
    r.Rf = floorR;
    if (floorNumber == kSlabFloorNumber && houseHasGarage) r.Fill = kSlabFillR;
    const GapResistances gap0 = ExtFloorGap(insulation.G0);
    const GapResistances gap1 = ExtFloorGap(insulation.G1);
    const double bulk = BulkResistance(insulation.AddR, bulkShown, addedR);
    r.InsulationUp = gap0.Up + gap1.Up + bulk;
    r.InsulationDown = gap0.Down + gap1.Down + bulk;
    // The covering lies on the floor below it, construction and insulation together (the fill under a
    // slab is not counted in the covering's share).
    r.CoverUp = CoverResistance(cover, r.Rf + r.InsulationUp);
    r.CoverDown = CoverResistance(cover, r.Rf + r.InsulationDown);
    r.TotalUp = r.Rf + r.Fill + r.CoverUp + r.InsulationUp;
    r.TotalDown = r.Rf + r.Fill + r.CoverDown + r.InsulationDown;
    return r;
}

ExtFloorEditor::ExtFloorEditor(EditorContext& context)
    : ElementEditor(context, EditorKind::ExternalFloor),
      materialstable(context.tables.ExtFloorForm.materialstable),
      insulationtable(context.tables.ExtFloorForm.insulationtable),
      FloorCoverTable(context.tables.ExtFloorForm.FloorCoverTable) {
    Caption = std::string(ext_floor_text::kDesignCaption);
    addTable(materialstable, [this] { materialsrceDataChange(); });
    addTable(insulationtable, [this] { insulationsrceDataChange(); });
    addTable(FloorCoverTable, [this] { FloorCoverDataDataChange(); });
    ExtFloorVent.OnClick([this] { ExtFloorVentClick(); });
    VentAreaRG.OnClick([this] { VentAreaRGClick(); });
    ReflectRG.OnClick([this] { ReflectRGClick(); });
    HEdit.OnChange([this] { HEditChange(); });
    HeightRG.OnClick([this] { HeightRGClick(); });
}

double ExtFloorEditor::ExposedFloorArea(int zone) {
    const TZoneRec& z = model_.Zones(zone);
    if (z.Level <= 1) return z.FloorArea;
    CommonArea(model_, z.Level, z.Level - 1);
    double over = 0.0; // m2 over zones of the level below
    for (int i = 1; i <= model_.ZoneCount; ++i)
        if (i != zone && model_.Zones(i).Level == z.Level - 1) over += model_.CommonFloorArea(zone, i);
    return z.FloorArea - over;
}

void ExtFloorEditor::SetValues() {
    if (DefaultsMode()) {
        const TLevelDefaultRec& d = model_.LevelDefaults(model_.CurrentLevel);
        ShowDefaultsFrame();
        materialstable.MoveTo(d.DefFloorMaterial);
        insulationtable.MoveTo(d.DefFloorInsulation);
        FloorCoverTable.MoveTo(d.DefFloorCovering);
        ExtFloorVent.SetItemIndex(d.DefFloorVentilation);
        VentAreaRG.SetItemIndex(d.DefFloorVentArea);
        ReflectRG.SetItemIndex(d.DefFloorReflective);
        buffers_.EditUnderFloorHeight = d.DefUnderFloorHeight;
        buffers_.EditFloorAddedR = d.DefFloorAddedR;
        SharePanelVisible = false;
        FreeSharedZoneRows();
    } else {
        const int zone = selection_.CurrentZone;
        ShowElementFrame("External Floor of Zone " + std::to_string(zone) + "  " + model_.Zones(zone).Name);
        buffers_.EditFloorArea = ExposedFloorArea(zone);
        // A zone standing above level 1 shows the floor it is simulated with, never a slab on ground.
        const TExtFloorRec floor = FloorAsSimulated(model_, zone);
        materialstable.MoveTo(floor.Material);
        insulationtable.MoveTo(floor.Insulation);
        FloorCoverTable.MoveTo(floor.FloorCovering);
        ExtFloorVent.SetItemIndex(floor.FloorVentilation);
        VentAreaRG.SetItemIndex(floor.FloorVentArea);
        ReflectRG.SetItemIndex(floor.FloorReflective);
        buffers_.EditUnderFloorHeight = floor.UnderFloorHeight;
        buffers_.EditFloorAddedR = floor.AddedR;
        SharePanelVisible = true;
        InstallCheckbox();
        InitCB();
    }
    ShowHeight();
    ShowAddedR();
    VentPanelVisible = ExtFloorVent.ItemIndex() > kVeryOpen;
    CalcRvalue();
}

void ExtFloorEditor::ShowHeight() {
    HEdit.Show(FixedText(buffers_.EditUnderFloorHeight, 0));
    HeightRG.SelectValue(buffers_.EditUnderFloorHeight);
}

void ExtFloorEditor::ShowAddedR() {
    RLabel = FixedText(buffers_.EditFloorAddedR, 1);
    const long long position = common::roundHalfEvenToInt(buffers_.EditFloorAddedR * 10.0);
    Rscroll = static_cast<int>(std::clamp<long long>(position, 0, kMaxRscroll));
}

void ExtFloorEditor::materialsrceDataChange() {
    AccountForUnderFloorSpace();
    CalcRvalue();
}

void ExtFloorEditor::insulationsrceDataChange() {
    rpanelVisible = insulationtable.Boolean("ShowR");
    CalcRvalue();
}

void ExtFloorEditor::AccountForUnderFloorSpace() {
    UFPanelVisible = materialstable.Boolean("UF");
    Width = UFPanelVisible ? kWidthWithUnderFloor : kWidthWithoutUnderFloor;
}

void ExtFloorEditor::CalcRvalue() {
    if (!materialstable.Active() || !insulationtable.Active() || !FloorCoverTable.Active()) return;
    ExtFloorInsulationRow insulation;
    insulation.G0 = insulationtable.Integer("G0");
    insulation.G1 = insulationtable.Integer("G1");
    insulation.AddR = insulationtable.Float("AddR");
    const double floorR = LayerResistance(materialstable.Float("R1"), materialstable.Float("D1"));
    bool houseHasGarage = false;
    for (int z = 1; z <= model_.ZoneCount; ++z)
        if (model_.Zones(z).ZoneType == zone_type::kGarage) houseHasGarage = true;
    const ExtFloorResistances r =
        ExtFloorRValues(materialstable.Integer("Material Number"), floorR, insulation, rpanelVisible,
                        buffers_.EditFloorAddedR, ReadFloorCover(FloorCoverTable), houseHasGarage);
    RuiLabel = ValueLabel("Ru  ", r.InsulationUp);
    RdiLabel = ValueLabel("Rd  ", r.InsulationDown);
    RumLabel = ValueLabel("Ru  ", r.Rf + r.Fill + r.CoverUp);
    RdmLabel = ValueLabel("Rd  ", r.Rf + r.Fill + r.CoverDown);
    RTotUpLabel = ValueLabel("Rtu  ", r.TotalUp);
    RTotDnLabel = ValueLabel("Rtd  ", r.TotalDown);
    const double up = r.TotalUp + r.Surfaces;
    const double down = r.TotalDown + r.Surfaces;
    if (DefaultsMode()) {
        UAUpLabel = ValueLabel("Uu  ", 1.0 / up);
        UADnLabel = ValueLabel("Ud  ", 1.0 / down);
        AreaLabel.clear();
        return;
    }
    AreaLabel = "Area   " + FixedText(buffers_.EditFloorArea, 2);
    UAUpLabel = ValueLabel("UAu  ", buffers_.EditFloorArea / up);
    UADnLabel = ValueLabel("UAd  ", buffers_.EditFloorArea / down);
}

void ExtFloorEditor::ExtFloorVentClick() {
    ClosePalette();
    VentPanelVisible = ExtFloorVent.ItemIndex() > kVeryOpen;
    CalcRvalue();
}

void ExtFloorEditor::HeightRGClick() {
    if (HeightRG.ItemIndex() < 0) return;
    const double height = HeightRG.Value(HeightRG.ItemIndex()); // mm
    buffers_.EditUnderFloorHeight = height;
    if (ReadNumber(HEdit.Text()) != height) HEdit.SetText(FixedText(height, 0));
}

void ExtFloorEditor::HEditChange() {
    ClosePalette();
    const auto height = TypedNumber(HEdit, kUnderFloorHeightRange, messages_);
    if (!height) return;
    buffers_.EditUnderFloorHeight = *height;
    AlterRadioButtons();
}

void ExtFloorEditor::AlterRadioButtons() {
    HeightRG.SelectValue(buffers_.EditUnderFloorHeight);
}

void ExtFloorEditor::RscrollChange(int position) {
    Rscroll = std::clamp(position, 0, kMaxRscroll);
    buffers_.EditFloorAddedR = Rscroll / 10.0;
    RLabel = FixedText(buffers_.EditFloorAddedR, 1);
    ClosePalette();
    CalcRvalue();
}

// ---- The zones sharing the under-floor space ------------------------------------------------------

void ExtFloorEditor::InstallCheckbox() {
    FreeSharedZoneRows();
    const int level = model_.Zones(selection_.CurrentZone).Level;
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        const TZoneRec& zone = model_.Zones(z);
        if (zone.Level != level) continue;
        SharedZoneRow row;
        row.Zone = z;
        row.Top = 16 * static_cast<int>(SharedZoneRows.size()) + 4;
        row.NumberText = std::to_string(z);
        row.NameText = zone.Name;
        row.Colour = zone.Colour;
        if (zone.ZoneType >= 0 && zone.ZoneType < static_cast<int>(ext_floor_text::kZoneTypes.size()))
            row.TypeText = std::string(ext_floor_text::kZoneTypes[static_cast<std::size_t>(zone.ZoneType)]);
        SharedZoneRows.push_back(row);
    }
    ++SharedZoneRowsVersion;
}

void ExtFloorEditor::InitCB() {
    const int current = selection_.CurrentZone;
    const SharedZoneList& list = model_.ZoneExtFloors(current).SharedZones;
    for (SharedZoneRow& row : SharedZoneRows) {
        row.Checked = lists(list, row.Zone);
        row.CheckBoxVisible = row.Zone != current;
    }
}

std::vector<int> ExtFloorEditor::TickedMembers() const {
    std::vector<int> members;
    for (const SharedZoneRow& row : SharedZoneRows)
        if (row.Checked || row.Zone == selection_.CurrentZone) members.push_back(row.Zone);
    return members;
}

void ExtFloorEditor::CheckBoxClick(std::size_t row, bool checked) {
    if (row >= SharedZoneRows.size() || !SharedZoneRows[row].CheckBoxVisible) return;
    SharedZoneRow& r = SharedZoneRows[row];
    if (checked && !r.Checked && TickedMembers().size() >= static_cast<std::size_t>(kSharedZoneSlots)) {
        warn(messages_, ext_floor_text::kGroupFull);
        refresh();
        return;
    }
    r.Checked = checked;
    refresh();
}

void ExtFloorEditor::CombineButtonClick() {
    std::size_t members = TickedMembers().size();
    bool left = false;
    for (SharedZoneRow& row : SharedZoneRows) {
        if (!row.CheckBoxVisible || row.Checked) continue;
        if (members >= static_cast<std::size_t>(kSharedZoneSlots)) {
            left = true;
            continue;
        }
        row.Checked = true;
        ++members;
    }
    if (left) warn(messages_, ext_floor_text::kGroupFull);
    refresh();
}

void ExtFloorEditor::SeparateButtonClick() {
    for (SharedZoneRow& row : SharedZoneRows) row.Checked = false;
    refresh();
}

void ExtFloorEditor::ProcessCB(const std::vector<int>& members) {
    const int current = selection_.CurrentZone;
    const SharedZoneList old = model_.ZoneExtFloors(current).SharedZones;
    SharedZoneList group{};
    for (std::size_t i = 0; i < members.size(); ++i) group(static_cast<int>(i) + 1) = members[i];
    const int level = model_.Zones(current).Level;
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        if (model_.Zones(z).Level != level) continue;
        SharedZoneList& list = model_.ZoneExtFloors(z).SharedZones;
        if (lists(group, z)) {
            list = group;
        } else if (lists(old, z)) {
            // Left the group: the old members go from its list and it stands on a space of its own.
            for (int slot = 1; slot <= kSharedZoneSlots; ++slot)
                if (list(slot) != 0 && lists(old, list(slot))) list(slot) = 0;
            list(1) = z;
        } else {
            // Another group: the new members leave it, their entries emptied where they stood.
            for (int slot = 1; slot <= kSharedZoneSlots; ++slot)
                if (list(slot) != 0 && lists(group, list(slot))) list(slot) = 0;
        }
    }
}

void ExtFloorEditor::ChangeFloorValues(int zone) {
    TExtFloorRec& floor = model_.ZoneExtFloors(zone);
    floor.Insulation = insulationtable.RecNo();
    floor.AddedR = buffers_.EditFloorAddedR;
    floor.FloorVentilation = itemOr(ExtFloorVent, floor.FloorVentilation);
    floor.FloorVentArea = itemOr(VentAreaRG, floor.FloorVentArea);
    floor.UnderFloorHeight = buffers_.EditUnderFloorHeight;
    floor.FloorReflective = itemOr(ReflectRG, floor.FloorReflective);
}

bool ExtFloorEditor::StoreValues() {
    if (buffers_.EditUnderFloorHeight <= 0.0 && ExtFloorVent.ItemIndex() != kVeryOpen &&
        isSuspendedFloorRecord(materialstable.RecNo())) {
        warn(messages_, ext_floor_text::kHeightZero);
        return false;
    }
    if (DefaultsMode()) {
        TLevelDefaultRec& d = model_.LevelDefaults(model_.CurrentLevel);
        d.DefFloorMaterial = materialstable.RecNo();
        d.DefFloorInsulation = insulationtable.RecNo();
        d.DefFloorCovering = FloorCoverTable.RecNo();
        d.DefUnderFloorHeight = buffers_.EditUnderFloorHeight;
        d.DefFloorAddedR = buffers_.EditFloorAddedR;
        d.DefFloorVentilation = itemOr(ExtFloorVent, d.DefFloorVentilation);
        d.DefFloorVentArea = itemOr(VentAreaRG, d.DefFloorVentArea);
        d.DefFloorReflective = itemOr(ReflectRG, d.DefFloorReflective);
        return true;
    }
    // A group larger than its list is not written at all.
    const std::vector<int> members = TickedMembers();
    if (members.size() > static_cast<std::size_t>(kSharedZoneSlots)) {
        warn(messages_, ext_floor_text::kGroupFull);
        return false;
    }
    const int current = selection_.CurrentZone;
    TExtFloorRec& floor = model_.ZoneExtFloors(current);
    floor.Material = materialstable.RecNo();
    floor.Insulation = insulationtable.RecNo();
    floor.FloorCovering = FloorCoverTable.RecNo();
    floor.FloorVentilation = itemOr(ExtFloorVent, floor.FloorVentilation);
    floor.FloorVentArea = itemOr(VentAreaRG, floor.FloorVentArea);
    floor.FloorReflective = itemOr(ReflectRG, floor.FloorReflective);
    floor.UnderFloorHeight = buffers_.EditUnderFloorHeight;
    floor.AddedR = buffers_.EditFloorAddedR;
    ProcessCB(members);
    const SharedZoneList group = model_.ZoneExtFloors(current).SharedZones;
    for (int slot = 1; slot <= kSharedZoneSlots; ++slot)
        if (group(slot) != 0) ChangeFloorValues(group(slot));
    return true;
}

void ExtFloorEditor::CopyValues() {
    context_.clipboard.ExtFloor =
        ExtFloorCopy{materialstable.RecNo(),       insulationtable.RecNo(), FloorCoverTable.RecNo(),
                     ExtFloorVent.ItemIndex(),     VentAreaRG.ItemIndex(),  buffers_.EditFloorAddedR,
                     buffers_.EditUnderFloorHeight};
}

void ExtFloorEditor::PasteValues() {
    const ExtFloorCopy& copy = context_.clipboard.ExtFloor;
    materialstable.MoveTo(copy.Material);
    insulationtable.MoveTo(copy.Insulation);
    FloorCoverTable.MoveTo(copy.FloorCovering);
    ExtFloorVent.SetItemIndex(copy.FloorVentilation);
    VentAreaRG.SetItemIndex(copy.FloorVentArea);
    buffers_.EditFloorAddedR = copy.AddedR;
    buffers_.EditUnderFloorHeight = copy.UnderFloorHeight;
    ShowHeight();
    ShowAddedR();
    CalcRvalue();
}

void ExtFloorEditor::dbmaterialpictureClick(const PictureAnchor& at) {
    OpenPalette("FM", materialstable, WithTallerPictures(belowTop(at)));
}

void ExtFloorEditor::dbinsulationpictureClick(const PictureAnchor& at) {
    OpenPalette("FI", insulationtable, belowTop(at));
}

void ExtFloorEditor::DBFloorCoverImageClick(const PictureAnchor& at) {
    OpenPalette("FC", FloorCoverTable, WithTallerPictures(belowTop(at)));
}

} // namespace pelmora
