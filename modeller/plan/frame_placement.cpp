#include "modeller/plan/frame_placement.h"

#include "common/rounding.h"

namespace pelmora {

namespace {

constexpr FramePlacement kFrames[] = {
    {"MainForm", Placement::Origin, 0, 0, 10},
    {"AirFlowForm", Placement::RightEdge, 0, 0, 470},
    {"AnalysisForm", Placement::RightEdge, 0, 0, 150},
    {"BinDataForm", Placement::RightEdge, 0, 0, 690},
    {"CeilingForm", Placement::RightEdge, 0, 0, 20},
    {"MagForm", Placement::BesideMainWindow, 40, 10, 0},
    {"ClimateDetailsForm", Placement::RightEdge, 0, 0, 640},
    {"CustWinForm", Placement::RightEdge, 0, 0, 650},
    {"DefaultForm", Placement::RightEdge, 0, 0, 380},
    {"DefaultWarningForm", Placement::TwoWidthsFromRight, 200, 0, 750},
    {"DoorForm", Placement::RightEdge, 0, 0, 230},
    {"ExtFloorForm", Placement::RightEdge, 0, 0, 340},
    {"ExtWallForm", Placement::RightEdge, 0, 0, 30},
    {"FloorCoverForm", Placement::RightEdge, 0, 0, 560},
    {"GlazingForm", Placement::RightEdge, 0, 0, 220},
    {"HistForm", Placement::Designed, 0, 0, 700},
    {"HistForm2", Placement::Designed, 0, 0, 700},
    {"InfoForm", Placement::RightEdge, 0, 0, 110},
    {"IntCeilingForm", Placement::RightEdge, 0, 0, 360},
    {"IntWallForm", Placement::RightEdge, 0, 0, 240},
    {"LocationForm", Placement::RightEdge, 0, 0, 15},
    {"NameLocationForm", Placement::RightEdge, 0, 0, 670},
    {"PCLocationForm", Placement::RightEdge, 0, 0, 660},
    {"NewZoneForm", Placement::RightEdge, 0, 0, 160},
    {"ObstructionForm", Placement::RightEdge, 0, 0, 390},
    {"ProjectDetailsForm", Placement::RightEdge, 0, 0, 14},
    {"RoofForm", Placement::RightEdge, 0, 0, 370},
    {"SettingsForm", Placement::RightEdge, 0, 0, 100},
    {"ShadSchedForm", Placement::TwoWidthsFromRight, 0, 0, 400},
    {"ShortReportForm", Placement::RightEdge, 0, 0, 90},
    {"SkylightForm", Placement::RightEdge, 0, 0, 250},
    {"StairForm", Placement::RightEdge, 0, 0, 260},
    {"TempDisplayForm", Placement::Centred, 0, 0, 680},
    {"TextFileForm", Placement::RightEdge, 0, 0, 130},
    {"VertShadForm", Placement::RightEdge, 0, 0, 710},
    {"ZoneDetailForm", Placement::RightEdge, 0, 0, 450},
    {"PicImportForm", Placement::RightOfMainWindow, 0, 95, 810},
};

} // namespace

std::span<const FramePlacement> framePlacements() {
    return kFrames;
}

const FramePlacement* framePlacementOf(std::string_view form) {
    for (const auto& frame : kFrames)
        if (frame.form == form) return &frame;
    return nullptr;
}

std::optional<QPoint> placeFrame(const FramePlacement& frame, int desktopWidth, int width,
                                 QPoint mainWindow) {
    switch (frame.placement) {
    case Placement::Designed:
        return std::nullopt;
    case Placement::Origin:
        return QPoint(0, 0);
    case Placement::RightEdge:
        return QPoint(desktopWidth - width, frame.top);
    case Placement::TwoWidthsFromRight:
        return QPoint(desktopWidth - 2 * width, frame.top);
    case Placement::Centred:
        return QPoint(static_cast<int>(common::roundHalfEvenToInt((desktopWidth - width) / 2.0)), frame.top);
    case Placement::BesideMainWindow:
        return QPoint(mainWindow.x() + frame.dx, mainWindow.y() + frame.top);
    case Placement::RightOfMainWindow:
        return QPoint(mainWindow.x() + frame.dx, frame.top);
    }
    return std::nullopt;
}

} // namespace pelmora
