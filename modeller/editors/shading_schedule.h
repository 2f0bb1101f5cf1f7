// The shading schedule dialog's logic: twelve monthly percentages (January first) drawn as bars that
// the user drags by their handles, and the shading schedule files (.SHS) that keep them, one whole
// number a line.
//
// A schedule file replaces the values only when it is read whole: a file that cannot be opened, ends
// before its twelfth line, holds a line that does not start with a whole number or a value outside
// 0..100 is reported naming the file and the line, and the values stay as they were.
#pragma once

#include "modeller/model/element_records.h"

#include <filesystem>
#include <string>

namespace pelmora {

// The bar chart's geometry in the paint box's pixels: month i has its bar centred at x = 20 i - 10,
// 10 px either side; a value p puts the bar's top and the handle at y = 210 - 2 p.
namespace schedule_chart {
inline constexpr int kBaseRow = 210;     // px, the row of 0 %
inline constexpr int kTopRow = 10;       // px, the row of 100 %
inline constexpr int kBarSpacing = 20;   // px between bar centres
inline constexpr int kBarHalfWidth = 10; // px
inline constexpr int kHandleHalf = 2;    // px, half the handle's side
inline constexpr int kHandleReach = 10;  // px, how near the pointer must come to a handle
inline constexpr int kWidth = 250;       // px
inline constexpr int kHeight = 215;      // px
} // namespace schedule_chart

inline constexpr int kScheduleMonths = 12;
inline constexpr int kScheduleMaxPercent = 100;

class ShadingSchedule {
  public:
    MonthlyPercent MonthPercent{}; // % of each month, January first
    int PickedMonth = 0;           // 1..12, the month last picked
    bool Dragging = false;
    std::string edpercentage; // the picked month's value, or empty

    static int BarX(int month) {
        return schedule_chart::kBarSpacing * month - schedule_chart::kBarSpacing / 2;
    }
    static int HandleY(int percent) { return schedule_chart::kBaseRow - 2 * percent; }

    // Show: the values handed in.
    void Load(const MonthlyPercent& values);
    // Mouse on the paint box (pixels).
    void MouseDown(int x, int y);
    // True when the picked bar moved.
    bool MouseMove(int y);
    void MouseUp() { Dragging = false; }
    // "Reset": every month 100 %.  "Make all January": every month at January's value.
    void ResetButtonClick();
    void PasteButtonClick();

    // Reads a schedule file whole into MonthPercent; ModelError naming the file and line otherwise.
    void ReadFile(const std::filesystem::path& file);
    // Writes the twelve values, one a line; ModelError naming the file when it cannot be written.
    void WriteFile(const std::filesystem::path& file) const;
};

} // namespace pelmora
