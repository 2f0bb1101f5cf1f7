#include "modeller/editors/element_editor.h"

#include "modeller/model/building_physics.h"

#include <cassert>

namespace pelmora {

namespace {

using C = ClipboardEntry;

constexpr EditorKindInfo kKinds[] = {
    {"RoofForm", "Default Roof", 1, C::Roof},
    {"CeilingForm", "Default Ceiling", 2, C::Ceiling},
    {"ExtWallForm", "External Wall Default", 3, C::ExternalWall},
    {"IntWallForm", "Internal Wall Default", 4, C::InternalWall},
    {"IntCeilingForm", "Default Internal Ceiling", 5, C::IntCeiling},
    {"FloorCoverForm", "Default Internal Floor Covering", 6, C::FloorCover},
    {"ExtFloorForm", "Default External Floor", 7, C::ExternalFloor},
    {"GlazingForm", "Default Window", 8, C::Window},
    {"DoorForm", "Default Door", 9, C::Door},
    {"SkylightForm", "Default Skylight", 10, C::Skylight},
};

} // namespace

const EditorKindInfo& EditorInfo(EditorKind kind) {
    return kKinds[static_cast<std::size_t>(kind)];
}

std::string ValueLabel(std::string_view prefix, double value) {
    return std::string(prefix) + FixedText(value, 2);
}

std::string TransmittanceLabel(bool defaultsMode, double rt, double surfaces, double area) {
    if (defaultsMode) return ValueLabel("U  ", 1.0 / (rt + surfaces));
    return ValueLabel("UA  ", area / (rt + surfaces));
}

GapResistances ReflectiveGap(HouseModel& model, long long code, double width, double tilt) {
    if (code < 1 || code > 4) return {};
    AirGapResistance(model, 0, width, kPlainEmittance, GapCodeEmittance(code), tilt);
    return {model.AirGapResistanceUp, model.AirGapResistanceDown};
}

std::string AbsorptanceLabel(std::int32_t colour) {
    return FixedText(ColourToAbsorptance(colour), 2);
}

ElementEditor::ElementEditor(EditorContext& context, EditorKind kind)
    : context_(context), model_(context.model), buffers_(context.buffers), selection_(context.selection),
      messages_(context.messages), kind_(kind) {}

void ElementEditor::addTable(TableCursor& cursor, std::function<void()> onDataChange) {
    cursor.OnDataChange([this, handler = std::move(onDataChange)] {
        handler();
        refresh();
    });
    tables_.push_back(&cursor);
}

void ElementEditor::FormShow() {
    try {
        for (TableCursor* table : tables_) table->Open();
        PasteButtonVisible = context_.clipboard.Valid(Info().clipboard);
        ReadShowData();
        SetValues();
    } catch (...) {
        CloseTables();
        throw;
    }
    refresh();
}

void ElementEditor::CloseTables() {
    for (TableCursor* table : tables_) table->Close();
}

void ElementEditor::FormClose() {
    ClosePalette();
    CloseTables();
    if (ReleaseDefaultsButton) ReleaseDefaultsButton();
}

bool ElementEditor::ReportsDeletion() const {
    return kind_ == EditorKind::Window || kind_ == EditorKind::Door || kind_ == EditorKind::InternalWall;
}

bool ElementEditor::OKSBClick() {
    if (!StoreValues()) {
        refresh();
        return false;
    }
    if (ReportsDeletion()) selection_.ElementDeleted = false;
    ClearStatusOnClose();
    return true;
}

void ElementEditor::CancelSBClick() {
    if (ReportsDeletion()) selection_.ElementDeleted = true;
    ClearStatusOnClose();
}

void ElementEditor::ClearStatusOnClose() {
    // The internal wall and window tools leave their prompts in the status bar while the editor is
    // open; the skylight editor empties the bar on OK and Cancel as well.
    const bool clears =
        kind_ == EditorKind::InternalWall || kind_ == EditorKind::Window || kind_ == EditorKind::Skylight;
    if (clears && context_.main.ClearStatus) context_.main.ClearStatus();
}

void ElementEditor::ResetButtonClick() {
    ClosePalette();
    SetValues();
    refresh();
}

void ElementEditor::CopyButtonClick() {
    ClosePalette();
    CopyValues();
    context_.clipboard.Valid(Info().clipboard) = true;
    PasteButtonVisible = true;
    refresh();
}

void ElementEditor::PasteButtonClick() {
    ClosePalette();
    if (!context_.clipboard.Valid(Info().clipboard)) return;
    PasteValues();
    refresh();
}

void ElementEditor::ChangeAllToDefaultSBClick() {
    if (!DefaultsMode()) return;
    ClosePalette();
    bool& request = model_.ApplyDefaultRequest(Info().applyDefaultRequest);
    request = true;
    try {
        if (ShowDefaultWarning) ShowDefaultWarning();
    } catch (...) {
        request = false;
        throw;
    }
    request = false;
    refresh();
}

std::optional<ShownDefaults> ElementEditor::ShownDefaultValues() {
    if (!DefaultsMode()) return std::nullopt;
    // StoreValues writes the level default and the thickness lists; they are put back at once, so
    // that only the editor's own OK stores them.
    const int level = model_.CurrentLevel;
    const TLevelDefaultRec stored = model_.LevelDefaults(level);
    const auto extThickness = model_.ExtThicknessByMaterial;
    const auto partThickness = model_.PartThicknessByMaterial;
    const bool ok = StoreValues();
    ShownDefaults shown{model_.LevelDefaults(level), ShownThickness(), AddedRShown()};
    model_.LevelDefaults(level) = stored;
    model_.ExtThicknessByMaterial = extThickness;
    model_.PartThicknessByMaterial = partThickness;
    if (!ok) return std::nullopt;
    return shown;
}

void ElementEditor::ShowDefaultsFrame() {
    Caption = std::string(Info().defaultsCaption);
    ChangeAllToDefaultSBVisible = true;
    ZoneColourPanelVisible = false;
}

void ElementEditor::ShowElementFrame(const std::string& caption) {
    if (!caption.empty()) Caption = caption;
    ChangeAllToDefaultSBVisible = false;
    ZoneColourPanelVisible = true;
    assert(selection_.CurrentZone >= 1 && selection_.CurrentZone <= model_.ZoneCount);
    ZoneColourPanel = model_.Zones(selection_.CurrentZone).Colour;
}

void ElementEditor::OpenPalette(std::string_view key, TableCursor& cursor, const PictureAnchor& at) {
    const PaletteKeyInfo* info = paletteKeyInfo(key);
    assert(info);
    context_.palette.RecNoOf(info->entry) = cursor.RecNo();
    context_.palette.Open(key, cursor, at);
}

} // namespace pelmora
