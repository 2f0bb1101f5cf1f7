#include "modeller/editors/int_wall_editor.h"

#include "modeller/model/level_defaults.h"

namespace pelmora {

IntWallEditor::IntWallEditor(EditorContext& context)
    : WallEditor(context, EditorKind::InternalWall, context.tables.IntWallForm.materialstable,
                 context.tables.IntWallForm.insulationtable,
                 WallTraits{"IM", "II", 4, kInternalWallSurfaceR}) {
    Caption = std::string(int_wall_text::kDesignCaption);
}

void IntWallEditor::TakeLevelDefault() {
    const int level = model_.CurrentLevel;
    const TLevelDefaultRec& d = model_.LevelDefaults(level);
    materialstable.MoveTo(d.DefPartMaterial);
    insulationtable.MoveTo(d.DefPartInsulation);
    buffers_.EditWallHeight = d.DefPartHeight;
    buffers_.EditThickness = PartThicknessFor(model_, level, materialstable.RecNo());
    buffers_.EditAddedR = d.DefPartAddedR;
}

void IntWallEditor::SetValues() {
    ZoneColourPanel2Visible = false;
    const PlanSelection& s = selection_;
    if (DefaultsMode()) {
        mode_ = Mode::Defaults;
        ShowDefaultsFrame();
        TakeLevelDefault();
        buffers_.EditWallLength = kDefaultsWallLength;
    } else if (s.IntWallMode) {
        mode_ = Mode::InternalWall;
        ShowElementFrame("Internal Wall " + std::to_string(s.CurrentWall) + " of Zone " +
                         std::to_string(s.CurrentZone));
        const TIntWallRec& w = model_.ZoneIntWalls(s.CurrentZone, s.CurrentWall);
        if (s.NewIntWall) {
            TakeLevelDefault();
        } else {
            materialstable.MoveTo(w.Material);
            insulationtable.MoveTo(w.Insulation);
            buffers_.EditWallHeight = w.Height * 1000.0;
            buffers_.EditThickness = w.Thickness;
            buffers_.EditAddedR = w.AddedR;
        }
        buffers_.EditWallLength = w.IntWallLength;
        buffers_.EditWallArea = buffers_.EditWallLength * buffers_.EditWallHeight / 1000.0;
    } else {
        mode_ = Mode::Partition;
        ShowElementFrame("Partition, Wall " + std::to_string(s.CurrentWall + 1) + " of Zone " +
                         std::to_string(s.CurrentZone) + " and Wall " + std::to_string(s.OtherWall + 1) +
                         " of Zone " + std::to_string(s.OtherZone));
        ZoneColourPanel2Visible = true;
        ZoneColourPanel2 = model_.Zones(s.OtherZone).Colour;
        const TWallRec& w = model_.Walls(s.CurrentZone, s.CurrentWall);
        materialstable.MoveTo(w.PartMaterial);
        insulationtable.MoveTo(w.PartInsulation);
        buffers_.EditWallHeight = w.PartHeight * 1000.0;
        buffers_.EditWallLength = w.Length;
        buffers_.EditThickness = w.PartThickness;
        buffers_.EditAddedR = w.PartAddedR;
        buffers_.EditWallArea = w.Length * buffers_.EditWallHeight / 1000.0;
    }
    ShowBuffers();
}

void IntWallEditor::DeleteAndDrawArea() {
    DrawWallRectangle();
    const double length = buffers_.EditWallLength; // m
    switch (mode_) {
    case Mode::Defaults:
        AreaLabel.clear();
        return;
    case Mode::InternalWall:
        buffers_.EditWallArea = length * buffers_.EditWallHeight / 1000.0;
        AreaLabel =
            "L  " + FixedText(length, 1) + " m" + "     A  " + FixedText(buffers_.EditWallArea, 2) + " m²";
        return;
    case Mode::Partition: {
        // A partition is drawn as seen from CurrentZone's side, whichever way its outline runs.
        const PlanSelection& s = selection_;
        const TWallRec& w = model_.Walls(s.CurrentZone, s.CurrentWall);
        const double openings = DrawWallOpenings(PaintBox1, model_, s.CurrentZone, s.CurrentWall, w.Length,
                                                 OpeningOrder::FromRight);
        buffers_.EditWallArea = w.Length * buffers_.EditWallHeight / 1000.0 - openings;
        AreaLabel = "L  " + FixedText(w.Length, 1) + " m" + "      A  " +
                    FixedText(buffers_.EditWallArea, 2) + " m²" + "     Orient  " + FixedText(w.Azimuth, 0) +
                    "°";
        return;
    }
    }
}

bool IntWallEditor::StoreValues() {
    if (!TakeThickness()) return false;
    const int material = materialstable.RecNo();
    const int insulation = insulationtable.RecNo();
    const double height = buffers_.EditWallHeight; // mm
    const PlanSelection& s = selection_;
    switch (mode_) {
    case Mode::Defaults: {
        const int level = model_.CurrentLevel;
        TLevelDefaultRec& d = model_.LevelDefaults(level);
        d.DefPartMaterial = material;
        d.DefPartInsulation = insulation;
        d.DefPartHeight = height;
        if (material <= kMaxThicknessRecords)
            model_.PartThicknessByMaterial(level, material) = buffers_.EditThickness;
        d.DefPartAddedR = buffers_.EditAddedR;
        break;
    }
    case Mode::InternalWall: {
        TIntWallRec& w = model_.ZoneIntWalls(s.CurrentZone, s.CurrentWall);
        w.Material = material;
        w.Insulation = insulation;
        w.Height = height / 1000.0;
        w.Thickness = buffers_.EditThickness;
        w.AddedR = buffers_.EditAddedR;
        break;
    }
    case Mode::Partition:
        for (TWallRec* w :
             {&model_.Walls(s.CurrentZone, s.CurrentWall), &model_.Walls(s.OtherZone, s.OtherWall)}) {
            w->PartMaterial = material;
            w->PartInsulation = insulation;
            w->PartHeight = height / 1000.0;
            w->PartThickness = buffers_.EditThickness;
            w->PartAddedR = buffers_.EditAddedR;
        }
        break;
    }
    return true;
}

void IntWallEditor::CopyValues() {
    context_.clipboard.IntWall =
        IntWallCopy{materialstable.RecNo(), insulationtable.RecNo(), buffers_.EditWallHeight,
                    buffers_.EditThickness, buffers_.EditAddedR};
}

void IntWallEditor::PasteValues() {
    const IntWallCopy& copy = context_.clipboard.IntWall;
    materialstable.MoveTo(copy.Material);
    insulationtable.MoveTo(copy.Insulation);
    buffers_.EditWallHeight = copy.WallHeight;
    buffers_.EditThickness = copy.Thickness;
    buffers_.EditAddedR = copy.AddedR;
    ShowBuffers();
}

} // namespace pelmora
