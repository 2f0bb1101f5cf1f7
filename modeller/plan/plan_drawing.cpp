#include "modeller/plan/plan_drawing.h"

#include "common/rounding.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPolygon>

#include <cmath>

namespace pelmora {

namespace {

int roundToInt(double x) {
    return static_cast<int>(common::roundHalfEvenToInt(x));
}

QPen planPen(std::int32_t colour, int width, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(modelColour(colour), width, style, Qt::RoundCap, Qt::RoundJoin);
    return pen;
}

// The spacing of grid line i in pixels, as the grid and the rulers place it.
int gridPosition(int i, double magnification, int gridDivisions) {
    return roundToInt(i * kPixelsPerMetre * magnification / gridDivisions);
}

QPolygon zoneOutline(const HouseModel& model, int zone) {
    QPolygon polygon;
    for (int n = 0; n < model.Zones(zone).NodeCount; ++n)
        polygon << QPoint(model.ZoneNodes(zone, n).X, model.ZoneNodes(zone, n).Y);
    return polygon;
}

} // namespace

QColor modelColour(std::int32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

bool PlanDrawing::begin(QPainter& painter) const {
    if (!canvas_ || canvas_->isNull()) return false;
    painter.begin(canvas_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.translate(-origin_.x(), -origin_.y());
    return true;
}

void PlanDrawing::Blank() {
    if (canvas_) canvas_->fill(Qt::white);
}

void PlanDrawing::DrawLine(TPlanPoint a, TPlanPoint b, const QPen& pen) {
    QPainter painter;
    if (!begin(painter)) return;
    painter.setPen(pen);
    painter.drawLine(a.X, a.Y, b.X, b.Y);
}

void PlanDrawing::DrawBox(TPlanPoint p, std::int32_t colour) {
    QPainter painter;
    if (!begin(painter)) return;
    // The box covers x-4..x+3 and y-4..y+3: the frame in black, the inside in the colour.
    painter.fillRect(QRect(p.X - 3, p.Y - 3, 6, 6), modelColour(colour));
    painter.setPen(planPen(plan_colour::kBlack, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(p.X - 4, p.Y - 4, 7, 7));
}

void PlanDrawing::DrawPoly(int zone) {
    QPainter painter;
    if (!begin(painter)) return;
    painter.setPen(planPen(plan_colour::kBlack, 2));
    painter.setBrush(modelColour(model_.Zones(zone).Colour));
    painter.drawPolygon(zoneOutline(model_, zone));
}

void PlanDrawing::DrawOutline(int zone, std::int32_t colour) {
    QPainter painter;
    if (!begin(painter)) return;
    painter.setPen(planPen(colour, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(zoneOutline(model_, zone));
}

void PlanDrawing::DrawEavesPoly(int level) {
    QPainter painter;
    if (!begin(painter)) return;
    QPolygon polygon;
    for (int n = 0; n < model_.Eaves(level).Count; ++n)
        polygon << QPoint(model_.EavesNodes(level, n).X, model_.EavesNodes(level, n).Y);
    // A white brush in the inverting mode leaves the inside as it is: only the dotted line shows.
    painter.setPen(planPen(plan_colour::kBlack, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(polygon);
}

void PlanDrawing::DrawAllZoneNodes(int zone) {
    const TZoneRec& z = model_.Zones(zone);
    if (z.NodeCount < 2) return;
    for (int n = 0; n < z.NodeCount; ++n)
        DrawBox(model_.ZoneNodes(zone, n),
                selection_.NodeSelected(zone, n) ? plan_colour::kBlack : plan_colour::kWhite);
    for (int w = 0; w < z.NodeCount; ++w) {
        for (int k = 1; k <= model_.Walls(zone, w).WindowCount; ++k) DrawWinNode(zone, w, k);
        for (int k = 1; k <= model_.Walls(zone, w).DoorCount; ++k) DrawDoorNode(zone, w, k);
    }
    for (int i = 1; i <= z.IntWallCount; ++i) DrawIntWallNodes(zone, i);
}

void PlanDrawing::DrawEavesNodes(int level) {
    const TEavesOutline& eaves = model_.Eaves(level);
    if (eaves.Count < 2 || !model_.EavesDefined(level)) return;
    for (int n = 0; n < eaves.Count; ++n)
        DrawBox(model_.EavesNodes(level, n),
                selection_.EavesNodeSelected(n) ? plan_colour::kBlack : plan_colour::kWhite);
}

void PlanDrawing::DrawAllNodesOnLevel(int level) {
    for (int z = 1; z <= model_.ZoneCount; ++z)
        if (model_.Zones(z).Level == level) DrawAllZoneNodes(z);
    if (model_.EavesDefined(level)) DrawEavesNodes(level);
}

void PlanDrawing::DrawIntWall(int zone, int n) {
    const TIntWallRec& wall = model_.ZoneIntWalls(zone, n);
    DrawLine(wall.StartPoint, wall.EndPoint, planPen(plan_colour::kNavy, 3));
}

void PlanDrawing::DrawIntWallNodes(int zone, int n) {
    const TIntWallRec& wall = model_.ZoneIntWalls(zone, n);
    DrawBox(wall.StartPoint,
            selection_.IntWallEndSelected(zone, n, 1) ? plan_colour::kRed : plan_colour::kWhite);
    DrawBox(wall.EndPoint,
            selection_.IntWallEndSelected(zone, n, 2) ? plan_colour::kRed : plan_colour::kWhite);
}

TPlanPoint PlanDrawing::OpeningNodePoint(int zone, int wall, double position) const {
    return pelmora::OpeningNodePoint(model_, zone, wall, position);
}

void PlanDrawing::drawOpeningNode(int zone, int wall, double position, bool selected, TPlanPoint& nodePoint) {
    nodePoint = OpeningNodePoint(zone, wall, position);
    DrawBox(nodePoint, selected ? plan_colour::kRed : plan_colour::kWhite);
}

void PlanDrawing::DrawWinNode(int zone, int wall, int k) {
    TWindowRec& window = model_.WallWindows(zone, wall, k);
    drawOpeningNode(zone, wall, window.Position, selection_.WindowSelected(zone, wall, k), window.NodePoint);
}

void PlanDrawing::DrawDoorNode(int zone, int wall, int k) {
    TDoorRec& door = model_.WallDoors(zone, wall, k);
    drawOpeningNode(zone, wall, door.Position, selection_.DoorSelected(zone, wall, k), door.NodePoint);
}

void PlanDrawing::drawOpeningLine(TPlanPoint centre, double direction, double width, std::int32_t colour) {
    if (width == 0) return;
    const int length = MetresToPixels(width, model_.Magnification) - 5;
    const int hx = roundToInt(length * std::cos(direction) / 2);
    const int hy = roundToInt(length * std::sin(direction) / 2);
    DrawLine({centre.X - hx, centre.Y - hy}, {centre.X + hx, centre.Y + hy}, planPen(colour, 5));
}

void PlanDrawing::DrawWinLine(int zone, int wall, int k) {
    const TWindowRec& window = model_.WallWindows(zone, wall, k);
    const TPlanPoint start = model_.ZoneNodes(zone, wall);
    const TPlanPoint end = model_.ZoneNodes(zone, model_.NextWall(zone, wall));
    drawOpeningLine(OpeningNodePoint(zone, wall, window.Position), planDirection(start, end), window.Width,
                    plan_colour::kBlue);
}

void PlanDrawing::DrawDoorLine(int zone, int wall, int k) {
    const TDoorRec& door = model_.WallDoors(zone, wall, k);
    const TPlanPoint start = model_.ZoneNodes(zone, wall);
    const TPlanPoint end = model_.ZoneNodes(zone, model_.NextWall(zone, wall));
    drawOpeningLine(OpeningNodePoint(zone, wall, door.Position), planDirection(start, end), door.Width,
                    plan_colour::kGreen);
}

void PlanDrawing::DrawZone(int zone, bool editMode) {
    const TZoneRec& z = model_.Zones(zone);
    for (int i = 1; i <= z.IntWallCount; ++i) DrawIntWall(zone, i);
    for (int w = 0; w < z.NodeCount; ++w)
        for (int k = 1; k <= model_.Walls(zone, w).WindowCount; ++k) DrawWinLine(zone, w, k);
    for (int w = 0; w < z.NodeCount; ++w)
        for (int k = 1; k <= model_.Walls(zone, w).DoorCount; ++k) DrawDoorLine(zone, w, k);
    DrawPoly(zone);
    if (editMode) DrawAllZoneNodes(zone);
}

void PlanDrawing::DrawAllOnCurrentLevel(bool editMode) {
    const int level = model_.CurrentLevel;
    for (int z = 1; z <= model_.ZoneCount; ++z)
        if (model_.Zones(z).Level == level) DrawZone(z, false);
    if (model_.EavesDefined(level)) DrawEavesPoly(level);
    if (editMode) DrawAllNodesOnLevel(level);
}

void PlanDrawing::UpperLevelOutline() {
    if (model_.CurrentLevel >= model_.LevelCount) return;
    for (int z = 1; z <= model_.ZoneCount; ++z)
        if (model_.Zones(z).Level == model_.CurrentLevel + 1) DrawOutline(z, plan_colour::kBlue);
}

void PlanDrawing::LowerLevelOutline() {
    if (model_.CurrentLevel < 2) return;
    for (int z = 1; z <= model_.ZoneCount; ++z)
        if (model_.Zones(z).Level == model_.CurrentLevel - 1) DrawOutline(z, plan_colour::kOlive);
}

void PlanDrawing::DrawGrid() {
    QPainter painter;
    if (!begin(painter)) return;
    const double magnification = model_.Magnification;
    const int divisions = scale_.GridDivisions;
    const QPen solid = planPen(plan_colour::kGrid, 1);
    const QPen dotted = planPen(plan_colour::kGrid, 1, Qt::DotLine);
    const QRect visible(origin_, canvas_->size());
    const double step = kPixelsPerMetre * magnification / divisions; // px between grid lines
    // Only the lines that cross the canvas: the grid runs over the whole plan.
    for (int i = std::max(0, static_cast<int>(visible.left() / step) - 1);; ++i) {
        const int x = gridPosition(i, magnification, divisions);
        if (x > visible.right()) break;
        if (x < visible.left()) continue;
        painter.setPen(i % divisions == 0 ? solid : dotted);
        painter.drawLine(x, visible.top(), x, visible.bottom());
    }
    for (int i = std::max(0, static_cast<int>(visible.top() / step) - 1);; ++i) {
        const int y = gridPosition(i, magnification, divisions);
        if (y > visible.bottom()) break;
        if (y < visible.top()) continue;
        painter.setPen(i % divisions == 0 ? solid : dotted);
        painter.drawLine(visible.left(), y, visible.right(), y);
    }
}

namespace {

void drawRuler(QImage& ruler, int offset, int planLength, double magnification, int gridDivisions,
               bool horizontal) {
    ruler.fill(modelColour(plan_colour::kRuler));
    QPainter painter(&ruler);
    painter.setPen(planPen(plan_colour::kBlack, 1));
    QFont font("Sans Serif");
    font.setPixelSize(9);
    painter.setFont(font);
    const int depth = horizontal ? ruler.height() : ruler.width(); // across the ruler
    const int along = horizontal ? ruler.width() : ruler.height();
    const int last = static_cast<int>(planLength * gridDivisions / (kPixelsPerMetre * magnification));
    for (int i = 0; i <= last; ++i) {
        const int t = gridPosition(i, magnification, gridDivisions) + offset;
        if (t < -20) continue;
        if (t > along + 20) break;
        const bool metre = i % gridDivisions == 0;
        const int from = metre ? 17 : 20;
        if (horizontal)
            painter.drawLine(t, from, t, depth - 1);
        else
            painter.drawLine(from, t, depth - 1, t);
        if (!metre) continue;
        const QString label = QString::number(i / gridDivisions);
        // The text's top left corner as placed on the rulers; Qt places text by its base line.
        const QPoint corner =
            horizontal ? QPoint(i >= 20 ? t - 5 : t - 2, 5) : QPoint(i >= 20 ? 5 : 10, t - 4);
        painter.drawText(QRect(corner, QSize(30, 12)), Qt::AlignLeft | Qt::AlignTop, label);
    }
}

} // namespace

void DrawHorizontalRuler(QImage& ruler, int offset, int planLength, double magnification, int gridDivisions) {
    drawRuler(ruler, offset, planLength, magnification, gridDivisions, true);
}

void DrawVerticalRuler(QImage& ruler, int offset, int planLength, double magnification, int gridDivisions) {
    drawRuler(ruler, offset, planLength, magnification, gridDivisions, false);
}

void DrawRulerMark(QImage& ruler, int at, bool horizontal) {
    QPainter painter(&ruler);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.setPen(planPen(plan_colour::kRed, 1));
    if (horizontal)
        painter.drawLine(at, 0, at, ruler.height() - 1);
    else
        painter.drawLine(0, at, ruler.width() - 1, at);
}

} // namespace pelmora
