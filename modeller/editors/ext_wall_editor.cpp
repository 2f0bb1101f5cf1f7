#include "modeller/editors/ext_wall_editor.h"

#include "modeller/model/building_physics.h"
#include "modeller/model/level_defaults.h"

namespace pelmora {

ExtWallEditor::ExtWallEditor(EditorContext& context)
    : WallEditor(context, EditorKind::ExternalWall, context.tables.ExtWallForm.materialstable,
                 context.tables.ExtWallForm.insulationtable,
                 WallTraits{"WM", "WI", 6, kExternalWallSurfaceR}) {
    Beyond.OnClick([this] { BeyondClick(); });
}

TWallRec& ExtWallEditor::wall() const {
    return model_.Walls(selection_.CurrentZone, selection_.CurrentWall);
}

void ExtWallEditor::materialsrceDataChange() {
    const long long ti = materialstable.Integer("TI");
    ExtInsCBVisible = ti == 0 || ti == 4;
    WallEditor::materialsrceDataChange();
}

void ExtWallEditor::SetValues() {
    if (DefaultsMode()) {
        const int level = model_.CurrentLevel;
        const TLevelDefaultRec& d = model_.LevelDefaults(level);
        ShowDefaultsFrame();
        materialstable.MoveTo(d.DefExtMaterial);
        insulationtable.MoveTo(d.DefExtInsulation);
        Beyond.SetItemIndex(d.DefBeyond);
        ExtInsCB = d.DefExtInsulated;
        buffers_.EditColour = d.DefExtColour;
        buffers_.EditWallHeight = d.DefExtHeight;
        buffers_.EditThickness = ExtThicknessFor(model_, level, materialstable.RecNo());
        buffers_.EditAddedR = d.DefExtAddedR;
        buffers_.EditWallLength = kDefaultsWallLength;
    } else {
        const int zone = selection_.CurrentZone;
        const TWallRec& w = wall();
        ShowElementFrame("External Wall " + std::to_string(selection_.CurrentWall + 1) + " of Zone " +
                         std::to_string(zone) + "  " + model_.Zones(zone).Name);
        materialstable.MoveTo(w.ExtMaterial);
        insulationtable.MoveTo(w.ExtInsulation);
        Beyond.SetItemIndex(w.Beyond);
        ExtInsCB = w.ExtInsulated;
        buffers_.EditColour = w.Colour;
        buffers_.EditWallHeight = w.ExtHeight * 1000.0;
        buffers_.EditThickness = w.ExtThickness;
        buffers_.EditAddedR = w.ExtAddedR;
        buffers_.EditWallLength = w.Length;
        buffers_.EditWallArea = w.Length * w.ExtHeight;
    }
    TakeColour(buffers_.EditColour);
    ShowBuffers();
}

void ExtWallEditor::DeleteAndDrawArea() {
    DrawWallRectangle();
    if (DefaultsMode()) {
        AreaLabel.clear();
        return;
    }
    const int zone = selection_.CurrentZone;
    const TWallRec& w = wall();
    const double length = w.Length; // m
    const double openings = DrawWallOpenings(PaintBox1, model_, zone, selection_.CurrentWall, length,
                                             OutlineOpeningOrder(model_, zone));
    buffers_.EditWallArea = length * buffers_.EditWallHeight / 1000.0 - openings;
    AreaLabel = "L  " + FixedText(length, 1) + " m" + "        A  " + FixedText(buffers_.EditWallArea, 2) +
                " m²" + "    Orient  " + FixedText(w.Azimuth, 0) + "°";
}

bool ExtWallEditor::StoreValues() {
    if (!TakeThickness()) return false;
    const int material = materialstable.RecNo();
    if (DefaultsMode()) {
        const int level = model_.CurrentLevel;
        TLevelDefaultRec& d = model_.LevelDefaults(level);
        d.DefExtMaterial = material;
        d.DefExtInsulation = insulationtable.RecNo();
        d.DefExtColour = buffers_.EditColour;
        d.DefExtHeight = buffers_.EditWallHeight;
        if (material <= kMaxThicknessRecords)
            model_.ExtThicknessByMaterial(level, material) = buffers_.EditThickness;
        d.DefExtAddedR = buffers_.EditAddedR;
        d.DefBeyond = Beyond.ItemIndex();
        d.DefExtInsulated = ExtInsCB;
        return true;
    }
    TWallRec& w = wall();
    w.ExtMaterial = material;
    w.ExtInsulation = insulationtable.RecNo();
    w.Colour = buffers_.EditColour;
    w.Absorptance = ColourToAbsorptance(buffers_.EditColour);
    w.ExtHeight = buffers_.EditWallHeight / 1000.0;
    w.ExtThickness = buffers_.EditThickness;
    w.ExtAddedR = buffers_.EditAddedR;
    w.Beyond = Beyond.ItemIndex();
    w.ExtInsulated = ExtInsCB;
    return true;
}

void ExtWallEditor::CopyValues() {
    context_.clipboard.ExtWall = ExtWallCopy{
        materialstable.RecNo(), insulationtable.RecNo(), buffers_.EditColour, buffers_.EditWallHeight,
        buffers_.EditThickness, buffers_.EditAddedR,     Beyond.ItemIndex(),  ExtInsCB};
}

void ExtWallEditor::PasteValues() {
    const ExtWallCopy& copy = context_.clipboard.ExtWall;
    materialstable.MoveTo(copy.Material);
    insulationtable.MoveTo(copy.Insulation);
    buffers_.EditColour = copy.Colour;
    buffers_.EditWallHeight = copy.WallHeight;
    buffers_.EditThickness = copy.Thickness;
    buffers_.EditAddedR = copy.AddedR;
    Beyond.SetItemIndex(copy.Beyond);
    ExtInsCB = copy.Insulated;
    TakeColour(buffers_.EditColour);
    ShowBuffers();
}

void ExtWallEditor::BeyondClick() {
    ClosePalette();
}

void ExtWallEditor::ExtInsCBClick(bool checked) {
    ExtInsCB = checked;
    CalcRvalue();
}

void ExtWallEditor::TakeColour(std::int32_t colour) {
    buffers_.EditColour = colour;
    colourpanel = colour;
    ALabel = AbsorptanceLabel(colour);
}

void ExtWallEditor::colourpanelClick() {
    ClosePalette();
    if (!ColorDialog1) return;
    if (const auto chosen = ColorDialog1(buffers_.EditColour)) TakeColour(*chosen);
}

void ExtWallEditor::DarkPClick() {
    ClosePalette();
    TakeColour(kDarkWallColour);
}

void ExtWallEditor::MedPClick() {
    ClosePalette();
    TakeColour(kMediumWallColour);
}

void ExtWallEditor::LightPClick() {
    ClosePalette();
    TakeColour(kLightWallColour);
}

} // namespace pelmora
