// Where the dialogs stand when the main window is first shown, and the help topic of each.  W is the
// dialog's own width and D the width of the desktop.
#pragma once

#include <QPoint>

#include <optional>
#include <span>
#include <string_view>

namespace pelmora {

enum class Placement {
    Designed,           // keeps its designed position (only the help topic is set)
    Origin,             // (0, 0)
    RightEdge,          // (D - W, top)
    TwoWidthsFromRight, // (D - 2W, top)
    Centred,            // ((D - W) / 2 rounded, top)
    BesideMainWindow,   // (main window left + dx, main window top + top)
    RightOfMainWindow,  // (main window left + dx, top)
};

struct FramePlacement {
    std::string_view form; // the form's instance name
    Placement placement;
    int top;       // px
    int dx;        // px, for the placements beside the main window
    int helpTopic; // 0 = none
};

// The placement and help topic of every dialog that has one.
std::span<const FramePlacement> framePlacements();
const FramePlacement* framePlacementOf(std::string_view form);

// The top left corner of a dialog `width` pixels wide; nothing for a dialog that keeps its designed
// position.
std::optional<QPoint> placeFrame(const FramePlacement& frame, int desktopWidth, int width, QPoint mainWindow);

} // namespace pelmora
