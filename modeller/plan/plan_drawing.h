// Drawing of the plan.  Everything on the plan is drawn in an inverting mode (the pixel becomes the
// inverse of the old pixel exclusive-or the colour), so drawing an item a second time removes it:
// before an item changes it is drawn once (erased), after the change it is drawn again.  On white the
// inverting mode shows the colour itself, and a white brush leaves the pixels under it unchanged.
//
// The drawing goes to an image (the plan's canvas) that covers the visible part of the plan; its top
// left pixel is plan position `origin`, so the scroll position of the plan is the canvas's origin.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/plan/plan_scale.h"
#include "modeller/plan/plan_selection.h"

#include <QColor>
#include <QImage>
#include <QPoint>

#include <cstdint>

class QPainter;
class QPen;

namespace pelmora {

// Colours of the plan, 0x00BBGGRR as the model stores them.
namespace plan_colour {
constexpr std::int32_t kBlack = 0x000000;
constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kRed = 0x0000FF;
constexpr std::int32_t kBlue = 0xFF0000;
constexpr std::int32_t kGreen = 0x008000;
constexpr std::int32_t kNavy = 0x800000;
constexpr std::int32_t kOlive = 0x008080;
constexpr std::int32_t kGrid = 0xE6E6E6;
constexpr std::int32_t kRuler = 0xEEEEEE;
} // namespace plan_colour

// A model colour (0x00BBGGRR) as a Qt colour.
QColor modelColour(std::int32_t bgr);

class PlanDrawing {
  public:
    PlanDrawing(HouseModel& model, PlanSelection& selection, const PlanScale& scale)
        : model_(model), selection_(selection), scale_(scale) {}

    // The canvas to draw on (Format_RGB32) and the plan position of its top left pixel.
    void setCanvas(QImage* canvas, QPoint origin) {
        canvas_ = canvas;
        origin_ = origin;
    }
    QImage* canvas() const { return canvas_; }
    QPoint origin() const { return origin_; }

    // Primitives.
    void DrawLine(TPlanPoint a, TPlanPoint b, const QPen& pen);
    void DrawBox(TPlanPoint p, std::int32_t colour);
    void DrawPoly(int zone);
    void DrawEavesPoly(int level);
    void DrawAllZoneNodes(int zone);
    void DrawEavesNodes(int level);
    void DrawAllNodesOnLevel(int level);
    void DrawIntWall(int zone, int n);
    void DrawIntWallNodes(int zone, int n);
    void DrawWinNode(int zone, int wall, int k);
    void DrawDoorNode(int zone, int wall, int k);
    void DrawWinLine(int zone, int wall, int k);
    void DrawDoorLine(int zone, int wall, int k);
    void DrawOutline(int zone, std::int32_t colour);
    void DrawZone(int zone, bool editMode);
    void DrawAllOnCurrentLevel(bool editMode);
    void DrawGrid();
    // The dotted outlines of the zones of the level above (blue) and of the level below (olive);
    // nothing on the top level or on level 1 respectively.
    void UpperLevelOutline();
    void LowerLevelOutline();
    // Fills the canvas white.
    void Blank();

    // The node point of an opening `position` metres from the wall's start towards its end.
    TPlanPoint OpeningNodePoint(int zone, int wall, double position) const;

  private:
    void drawOpeningNode(int zone, int wall, double position, bool selected, TPlanPoint& nodePoint);
    void drawOpeningLine(TPlanPoint centre, double direction, double width, std::int32_t colour);
    QPoint onCanvas(TPlanPoint p) const { return {p.X - origin_.x(), p.Y - origin_.y()}; }
    bool begin(QPainter& painter) const;

    HouseModel& model_;
    PlanSelection& selection_;
    const PlanScale& scale_;
    QImage* canvas_ = nullptr;
    QPoint origin_;
};

// The rulers: filled light grey, a tick at every grid line and the metre number at every whole
// metre.  `offset` is the ruler coordinate of plan coordinate 0 (3 - scroll position); `planLength`
// is the plan's extent in pixels along the ruler.
void DrawHorizontalRuler(QImage& ruler, int offset, int planLength, double magnification, int gridDivisions);
void DrawVerticalRuler(QImage& ruler, int offset, int planLength, double magnification, int gridDivisions);
// The pointer mark across a ruler at ruler coordinate `at`, drawn inverting in red.
void DrawRulerMark(QImage& ruler, int at, bool horizontal);

} // namespace pelmora
