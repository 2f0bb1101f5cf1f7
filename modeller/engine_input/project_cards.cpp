#include "modeller/engine_input/project_cards.h"

#include "modeller/model/file_names.h"
#include "modeller/model/plan_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>

namespace pelmora {

namespace {

// Texts of data type 1.
constexpr std::string_view kCommentLine =
    "CCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCC"; // 78 letters
constexpr std::string_view kNumericsCard =
    " 1 12        100     100 0.00100 0.01000    0.20       5     100 0.10000     100 0.00100    0.20";
constexpr std::string_view kRunControlCard = " 1 23       10     0 -99.0    40";
constexpr std::string_view kOpeningControlCard = " 1 26        3   2.5";
constexpr std::string_view kRunCardSwitches = "0020000000";
constexpr std::string_view kCurtainNone = "None";
constexpr std::string_view kBlindNone = "No Shading";
constexpr std::string_view kZeroField = "  0.00";
constexpr std::string_view kOneField = "  1.00";
constexpr int kPathWidth = 120; // characters of a file name field on the engine's cards

constexpr double kDegree = std::numbers::pi / 180.0; // rad per degree
constexpr double kSmallFin = 0.03;                   // m: shorter fins and offsets count as none

std::string Repeat(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

// A file name on a card: the engine reads 120 characters of it, so a longer one would name another
// file.
std::string PathText(const std::string& path, std::string_view what) {
    if (path.size() > static_cast<std::size_t>(kPathWidth)) {
        throw ScratchError("the " + std::string(what) + " \"" + path + "\" is longer than the " +
                           std::to_string(kPathWidth) +
                           " characters the engine reads; move the program folder to a shorter path or "
                           "shorten the project name");
    }
    return path;
}

// A name of the house that becomes a file name in a folder of the program folder; one that would
// leave the folder would make the engine read or write a file outside the program folder.
const std::string& FileNameText(const std::string& name, std::string_view what, std::string_view file) {
    const std::string fault = FileNameFault(name);
    if (fault.empty()) return name;
    throw ScratchError("the " + std::string(what) + " \"" + name + "\" cannot name the " + std::string(file) +
                       ": " + fault);
}

std::string InFolder(const std::string& root, std::string_view relative) {
    if (root.empty() || root.back() == '/') return root + std::string(relative);
    return root + "/" + std::string(relative);
}

template <class Visit> void ForEachWall(const HouseModel& model, Visit visit) {
    for (int z = 1; z <= model.ZoneCount; ++z)
        for (int w = 0; w < model.Zones(z).NodeCount; ++w) visit(z, w);
}

template <class Visit> void ForEachExternalWall(const HouseModel& model, Visit visit) {
    ForEachWall(model, [&](int z, int w) {
        if (model.Walls(z, w).AdjZone == 0) visit(z, w);
    });
}

template <class Visit> void ForEachWindow(const HouseModel& model, Visit visit) {
    ForEachWall(model, [&](int z, int w) {
        for (int n = 1; n <= model.Walls(z, w).WindowCount; ++n) visit(z, w, n);
    });
}

template <class Visit> void ForEachSkylight(const HouseModel& model, Visit visit) {
    for (int z = 1; z <= model.ZoneCount; ++z)
        for (int s = 1; s <= model.Zones(z).SkylightCount; ++s) visit(z, s);
}

std::string WindowElement(const HouseModel& model, int zone, int wall, int window) {
    return WallText(model, zone, wall) + ", window " + std::to_string(window);
}

std::string SkylightElement(const HouseModel& model, int zone, int skylight) {
    return ZoneText(model, zone) + ", skylight " + std::to_string(skylight);
}

void SmallFinRule(double& depth, double& offset) {
    if (std::fabs(offset) < kSmallFin) offset = 0.0;
    if (std::fabs(depth) < kSmallFin) {
        depth = 0.0;
        offset = 0.0;
    }
}

double FoldDegrees(double d) {
    if (d >= 360.0) d -= 360.0;
    if (d < 0.0) d += 360.0;
    return d;
}

// The fin that wall `other` (of length `length`) makes at a corner, d degrees round from this wall.
void CornerFin(double d, double length, double& depth, double& offset) {
    const double phi = (180.0 - d) * kDegree;
    depth = std::fabs(std::sin(phi) * length);
    offset = -std::cos(phi) * length;
    SmallFinRule(depth, offset);
}

// ---- The lines of data type 1 ------------------------------------------------------------------

void WriteRunAndFileCards(Scratch& s) {
    const HouseModel& m = s.model;
    s.Card("C  Data type 1: Project data");
    s.Card("C");
    const std::string today = s.Today();
    const std::string date = today.substr(0, std::min<std::size_t>(today.size(), 10));
    s.Card(" 1  1" + std::string(39, ' ') + date + std::string(13, ' ') + "0000" +
           std::string(kRunCardSwitches));
    const std::string& climate = FileNameText(m.ClimateFileName, "climate file name", "climate file");
    s.Card(" 1  2   " + PathText(InFolder(m.RootDir, "Data/Climate/" + climate), "climate file"));
    s.Card(SiteCardText(s));
    s.Card(" 1  4  1" +
           PathText(InFolder(m.RootDir, "data/windowdata/VORTwindows.VWG"), "window glazing library"));
    s.Card(" 1  6  1" +
           PathText(InFolder(m.RootDir, "data/windowdata/VORTskylights.VSG"), "skylight glazing library"));
    s.Card(" 1  7   output.txt");
    const std::string& project = FileNameText(m.ProjectName, "project name", "hourly temperature file");
    s.Card(" 1  9   " +
           PathText(InFolder(m.RootDir, "temperature/" + project + std::to_string(m.RunNumber) + ".TEM"),
                    "hourly temperature file"));
    s.Card(" 1 10   energy.txt");
    s.Card(" 1 11   airflow.txt");
    s.Card(std::string(kCommentLine));
}

void WriteNumericsAndCpCards(Scratch& s) {
    s.Card("C Basic data for ventilation modelling and numerics");
    s.Card(
        "C         MaxItV  MaxIVI   ConvV  ConvVI    UrfV  RungeK  MaxItT   ConvT  MaxItG   ConvG    UrfT");
    s.Card(std::string(kNumericsCard));
    s.Card("C Cp data");
    BuildCpSets(s);
    for (int n = 1; n <= s.CpSets.Count(); ++n)
        s.Card(CardText("pressure coefficient set " + std::to_string(n), " 1 13")
                   .integer(n, 3)
                   .text(s.CpSets[n].key));
    s.Card("C Shielding factor");
    s.Card(CardText("the shielding factor", " 1 14     ").real(s.model.ShieldingFactor, 4, 2));
    s.Card(std::string(kCommentLine));
}

void WriteGroundCards(Scratch& s) {
    s.Card("C Ground model data");
    s.Card("C Ground refl, sog area, perim, wall thick, conductance, diffusivity, edge insul, cond fl area");
    GroundModelTotals(s);
    s.Card(CardText("the ground model", " 1 15      0.2")
               .real(s.SlabArea, 6, 0)
               .real(s.SlabPerimeter, 6, 0)
               .text("   0.2   1.5   4.6  0.00")
               .real(s.ConditionedFloorArea, 6, 0));
}

void WriteCurtainAndBlindCards(Scratch& s) {
    s.Card("C Curtain data for windows, maximum 20");
    s.Card("C       AddedR Trans   Abs");
    BuildCurtains(s);
    for (int i = 1; i <= s.Curtains.Count(); ++i) {
        s.Card("C " + s.Curtains[i].key);
        s.Card(CardText("curtain " + s.Curtains[i].key, " 1 16").integer(i, 3).text(s.Curtains[i].text));
    }
    s.Card("C Curtain data for roof windows (AddedR, Trans, Abs). 20 maximum");
    s.Card("C 17 Not used");
    s.Card("C Outdoor blinds shading factor for windows. 999 maximum");
    BuildBlinds(s);
    for (int i = 1; i <= s.Blinds.Count(); ++i) {
        s.Card("C " + s.Blinds[i].key);
        s.Card(CardText("outdoor blind " + s.Blinds[i].key, " 1 18").integer(i, 3).text(s.Blinds[i].text));
    }
    s.Card("C Outdoor blinds shading factor for skylights and roof windows. 999 maximum");
    s.Card("C 19 Not used");
}

void WriteSchemeCards(Scratch& s, const NumberedList& list, std::string_view header, std::string_view what) {
    for (int i = 1; i <= list.Count(); ++i)
        s.Card(CardText(std::string(what) + " " + std::to_string(i), std::string(header))
                   .integer(i, 3)
                   .text(list[i].key));
}

void WriteShadingCards(Scratch& s) {
    s.Card("C Horizontal shading schemes. 999 maximum");
    s.Card("C Scheme no., eave proj., eave offset, pergola proj, pergola offset, pergola shading factors");
    s.Card("C        EaveP EaveO PergP PergO");
    BuildHorizontalSchemes(s);
    WriteSchemeCards(s, s.HorizontalSchemes, " 1 20", "horizontal shading scheme");
    s.Card("C Vertical shading schemes. 999 maximum");
    s.Card("C Left proj., left offset, right proj., right offset");
    s.Card("C        LeftP LeftORightPRightO");
    BuildVerticalSchemes(s);
    WriteSchemeCards(s, s.VerticalSchemes, " 1 21", "vertical shading scheme");
    BuildScreens(s);
    s.Card("C Screen schemes. 1-999 maximum");
    s.Card("C Scheme no., screen height, width, dist, offset horiz, offset vert, shading factors");
    s.Card("C       Height Width  Dist  OffH  OffV");
    WriteSchemeCards(s, s.Screens, " 1 22", "screen scheme");
}

void WriteRunControlCards(Scratch& s) {
    s.Card("C  Number of repeats of day 1, repeat flag, starting temp, grid size for shade calcs");
    s.Card(std::string(kRunControlCard));
    s.Card("C  Stickiness period for controlled openings, Cooling thermostat leeway,");
    s.Card(std::string(kOpeningControlCard));
    s.Card(std::string(kCommentLine));
    s.Card("C  Data type 2: Construction data");
}

void PrepareProjectData(Scratch& s) {
    HouseModel& m = s.model;
    for (int z = 1; z <= m.ZoneCount; ++z) m.ZoneRoofs(z).RoofSpace = m.ZoneCeilings(z).RoofSpace;

    // Wind speed at the building's height against the 10 m of the climate file, by shielding class.
    struct Shielding {
        double factor, a, b;
    };
    constexpr std::array<Shielding, 4> kShielding{
        {{0.88, 1.00, 0.15}, {0.74, 0.85, 0.20}, {0.57, 0.67, 0.25}, {0.31, 0.47, 0.35}}};
    double a = 0.0;
    double b = 0.0;
    for (const Shielding& k : kShielding) {
        if (m.ShieldingFactor - k.factor < 0.0001) {
            a = k.a;
            b = k.b;
        }
    }
    double height = 0.0; // m
    for (int level = 1; level <= m.LevelCount; ++level)
        height += m.LevelDefaults(level).DefExtHeight / 1000.0;
    s.WindSpeedFactor = a * std::pow(height / 10.0, b);
    s.WindSpeedFactorText = RealField(s.WindSpeedFactor, 6, 2, "the wind speed factor");
}

std::string FactorsText(CardText& text, const MonthlyPercent* percent) {
    for (int month = 1; month <= 12; ++month)
        text.text(MonthlyShadingField(percent ? (*percent)(month) : 100, month, text.element()));
    return text.str();
}

} // namespace

double StandardMeridian(int postcode) {
    if ((postcode >= 5000 && postcode <= 5999) || (postcode >= 800 && postcode <= 899)) return 142.5;
    if (postcode >= 6000 && postcode <= 6999) return 120.0;
    return 150.0;
}

std::string SiteCardText(const Scratch& scratch) {
    const HouseModel& m = scratch.model;
    return CardText("the site", " 1  3   ")
        .real(m.Latitude, 6, 1)
        .real(m.Longitude, 6, 1)
        .real(StandardMeridian(m.Postcode), 6, 1)
        .str();
}

double WindPressureCoefficient(double angle, double ownSide, double adjacentSide) {
    const double g = std::log(ownSide / adjacentSide);
    const double t = angle * kDegree;
    const double sinHalf = std::sin(t / 2.0);
    const double cosHalf = std::cos(t / 2.0);
    const double sinT = std::sin(t);
    const double sin2gt = std::sin(2.0 * g * t);
    return std::log(1.248 - 0.703 * sinHalf - 1.175 * sinT * sinT + 0.131 * sin2gt * sin2gt * sin2gt +
                    0.769 * cosHalf + 0.07 * g * g * sinHalf * sinHalf + 0.717 * cosHalf * cosHalf);
}

void BuildCpSets(Scratch& s) {
    HouseModel& m = s.model;
    s.CpSets.Reset();
    double minX = std::numeric_limits<double>::max(), maxX = std::numeric_limits<double>::lowest();
    double minY = minX, maxY = maxX;
    ForEachExternalWall(m, [&](int z, int w) {
        const TPlanPoint p = m.ZoneNodes(z, w);
        minX = std::min<double>(minX, p.X);
        maxX = std::max<double>(maxX, p.X);
        minY = std::min<double>(minY, p.Y);
        maxY = std::max<double>(maxY, p.Y);
    });
    const double extentX = maxX - minX; // px; only the ratio of the two extents counts
    const double extentY = maxY - minY; // px
    ForEachExternalWall(m, [&](int z, int w) {
        TWallRec& wall = m.Walls(z, w);
        const double pa = wall.PlanAzimuth;
        const bool alongX = pa < 45.0 || pa > 315.0 || (pa > 135.0 && pa < 225.0);
        const double own = alongX ? extentX : extentY;
        const double adjacent = alongX ? extentY : extentX;
        CardText text("the pressure coefficients of " + WallText(m, z, w));
        for (int direction = 0; direction < 360; direction += 45) {
            double theta = direction - wall.Azimuth; // degrees
            if (theta < 0.0) theta += 360.0;
            if (theta > 180.0) theta = 360.0 - theta;
            text.real(0.6 * WindPressureCoefficient(theta, own, adjacent), 6, 2);
        }
        wall.CpSetIndex = s.CpSets.Add({text.str(), {}, {}});
    });
}

void GroundModelTotals(Scratch& s) {
    const HouseModel& m = s.model;
    s.SlabArea = 0.0;
    s.SlabPerimeter = 0.0;
    s.ConditionedFloorArea = 0.0;
    for (int z = 1; z <= m.ZoneCount; ++z) {
        const TZoneRec& zone = m.Zones(z);
        const TExtFloorRec& floor = m.ZoneExtFloors(z);
        if (zone.Level == 1 && (floor.Material == 1 || floor.FloorVentilation != 0)) {
            s.SlabArea += zone.FloorArea;
            for (int w = 0; w < zone.NodeCount; ++w)
                if (m.Walls(z, w).AdjZone == 0) s.SlabPerimeter += m.Walls(z, w).Length;
        }
        if (zone.Heated && zone.Cooled) s.ConditionedFloorArea += zone.FloorArea;
    }
}

namespace {

NumberedEntry CurtainEntry(MaterialTable& table, int record, const std::string& element) {
    SeekElementRecord(table, record, element);
    const std::string name = table.FieldAsString("Material Description");
    const std::string values = CardText("the curtain of " + element)
                                   .real(table.FieldAsFloat("AddR"), 6, 2)
                                   .real(table.FieldAsFloat("Trans"), 6, 2)
                                   .real(table.FieldAsFloat("Absorp"), 6, 2)
                                   .str();
    return {name, name, values};
}

} // namespace

std::string WindowCurtainName(Scratch& s, int zone, int wall, int window) {
    MaterialTable& table = s.tables.GlazingForm.furnishingstable;
    SeekElementRecord(table, s.model.WallWindows(zone, wall, window).Furnishing,
                      WindowElement(s.model, zone, wall, window));
    return table.FieldAsString("Material Description");
}

std::string SkylightCurtainName(Scratch& s, int zone, int skylight) {
    MaterialTable& table = s.tables.SkylightForm.furnishingstable;
    SeekElementRecord(table, s.model.ZoneSkylights(zone, skylight).Furnishing,
                      SkylightElement(s.model, zone, skylight));
    return table.FieldAsString("Material Description");
}

std::string WindowBlindName(Scratch& s, int zone, int wall, int window) {
    MaterialTable& table = s.tables.GlazingForm.shadingtable;
    SeekElementRecord(table, s.model.WallWindows(zone, wall, window).Shading,
                      WindowElement(s.model, zone, wall, window));
    if (table.FieldAsBoolean("Schedule")) return {};
    return table.FieldAsString("Material Description");
}

void BuildCurtains(Scratch& s) {
    const HouseModel& m = s.model;
    s.Curtains.Reset({std::string(kCurtainNone), std::string(kCurtainNone), {}});
    ForEachWindow(m, [&](int z, int w, int n) {
        s.Curtains.Add(CurtainEntry(s.tables.GlazingForm.furnishingstable, m.WallWindows(z, w, n).Furnishing,
                                    WindowElement(m, z, w, n)));
    });
    ForEachSkylight(m, [&](int z, int k) {
        s.Curtains.Add(CurtainEntry(s.tables.SkylightForm.furnishingstable, m.ZoneSkylights(z, k).Furnishing,
                                    SkylightElement(m, z, k)));
    });
}

void BuildBlinds(Scratch& s) {
    const HouseModel& m = s.model;
    s.Blinds.Reset({std::string(kBlindNone), std::string(kBlindNone), std::string(kZeroField)});
    MaterialTable& table = s.tables.GlazingForm.shadingtable;
    ForEachWindow(m, [&](int z, int w, int n) {
        SeekElementRecord(table, m.WallWindows(z, w, n).Shading, WindowElement(m, z, w, n));
        if (table.FieldAsBoolean("Schedule")) return;
        const std::string name = table.FieldAsString("Material Description");
        const std::string values = RealField(1.0 - table.FieldAsFloat("Shade") / 100.0, 6, 2,
                                             "the outdoor blind of " + WindowElement(m, z, w, n));
        s.Blinds.Add({name, name, values});
    });
}

std::string WallHorizontalSchemeText(const Scratch& s, int zone, int wall) {
    CardText text("the eaves of " + WallText(s.model, zone, wall));
    text.real(s.model.Walls(zone, wall).EavesDepth, 6, 2).text(Repeat(kZeroField, 3));
    return FactorsText(text, nullptr);
}

std::string WindowHorizontalSchemeText(Scratch& s, int zone, int wall, int window) {
    const TWindowRec& win = s.model.WallWindows(zone, wall, window);
    MaterialTable& table = s.tables.GlazingForm.shadingtable;
    SeekElementRecord(table, win.Shading, WindowElement(s.model, zone, wall, window));
    const double pergola = table.FieldAsBoolean("Schedule") ? 6.0 : 0.0; // m
    CardText text("the horizontal shading of " + WindowElement(s.model, zone, wall, window));
    text.real(win.SecondEaves != 0.0 ? win.SecondEaves : win.EavesDepth, 6, 2)
        .real(win.Offset, 6, 2)
        .real(pergola, 6, 2)
        .text(kZeroField);
    return FactorsText(text, &win.MonthlyShading);
}

std::string SkylightHorizontalSchemeText(const Scratch& s, int zone, int skylight, bool withOffset) {
    const TSkylightRec& sky = s.model.ZoneSkylights(zone, skylight);
    CardText text("the clerestory eaves of " + SkylightElement(s.model, zone, skylight));
    text.real(sky.ClereEavesWidth / 1000.0, 6, 2)
        .real(withOffset ? sky.ClereEavesOffset / 1000.0 : 0.0, 6, 2)
        .text(Repeat(kZeroField, 2));
    return FactorsText(text, nullptr);
}

void BuildHorizontalSchemes(Scratch& s) {
    const HouseModel& m = s.model;
    s.HorizontalSchemes.Reset({Repeat(kZeroField, 4) + Repeat(kOneField, 12), {}, {}});
    ForEachExternalWall(m, [&](int z, int w) {
        s.HorizontalSchemes.Add({WallHorizontalSchemeText(s, z, w), {}, {}});
    });
    ForEachWindow(m, [&](int z, int w, int n) {
        s.HorizontalSchemes.Add({WindowHorizontalSchemeText(s, z, w, n), {}, {}});
    });
    ForEachSkylight(m, [&](int z, int k) {
        s.HorizontalSchemes.Add({SkylightHorizontalSchemeText(s, z, k, true), {}, {}});
    });
    ForEachSkylight(m, [&](int z, int k) {
        s.HorizontalSchemes.Add({SkylightHorizontalSchemeText(s, z, k, false), {}, {}});
    });
}

void CalcFins(Scratch& s) {
    HouseModel& m = s.model;
    ForEachWall(m, [&](int z, int w) {
        TWallRec& wall = m.Walls(z, w);
        wall.StartFinDepth = wall.EndFinDepth = wall.StartFinOffset = wall.EndFinOffset = 0.0;
    });
    ForEachExternalWall(m, [&](int z, int w) {
        TWallRec& wall = m.Walls(z, w);
        const TPlanPoint start = m.ZoneNodes(z, w);
        const TPlanPoint end = m.ZoneNodes(z, m.NextWall(z, w));
        for (int z2 = 1; z2 <= m.ZoneCount; ++z2) {
            if (m.Zones(z2).Level != m.Zones(z).Level) continue;
            for (int w2 = 0; w2 < m.Zones(z2).NodeCount; ++w2) {
                const TWallRec& other = m.Walls(z2, w2);
                if (other.AdjZone != 0) continue;
                // A wall that ends where this one starts makes the start fin.
                if (m.ZoneNodes(z2, m.NextWall(z2, w2)) == start) {
                    const double d = FoldDegrees(other.PlanAzimuth - wall.PlanAzimuth);
                    if (d < 180.0) CornerFin(d, other.Length, wall.StartFinDepth, wall.StartFinOffset);
                }
                // A wall that starts where this one ends makes the end fin.
                if (m.ZoneNodes(z2, w2) == end) {
                    const double d = FoldDegrees(wall.PlanAzimuth - other.PlanAzimuth);
                    if (d < 180.0) CornerFin(d, other.Length, wall.EndFinDepth, wall.EndFinOffset);
                }
            }
        }
    });
    ForEachExternalWall(m, [&](int z, int w) {
        const TWallRec& wall = m.Walls(z, w);
        for (int n = 1; n <= wall.WindowCount; ++n) {
            TWindowRec& win = m.WallWindows(z, w, n);
            if (win.VertShadeLeftWidth != 0.0) {
                win.LeftFinDepth = win.VertShadeLeftWidth;
                win.LeftFinOffset = win.VertShadeLeftOffset;
            } else {
                win.LeftFinDepth = wall.StartFinDepth;
                win.LeftFinOffset = wall.StartFinOffset + win.Position - win.Width / 2.0;
            }
            if (win.VertShadeRightWidth != 0.0) {
                win.RightFinDepth = win.VertShadeRightWidth;
                win.RightFinOffset = win.VertShadeRightOffset;
            } else {
                win.RightFinDepth = wall.EndFinDepth;
                win.RightFinOffset = wall.EndFinOffset + wall.Length - win.Position - win.Width / 2.0;
            }
            SmallFinRule(win.LeftFinDepth, win.LeftFinOffset);
            SmallFinRule(win.RightFinDepth, win.RightFinOffset);
        }
    });
}

std::string WallVerticalSchemeText(const Scratch& s, int zone, int wall) {
    const TWallRec& w = s.model.Walls(zone, wall);
    return CardText("the corner fins of " + WallText(s.model, zone, wall))
        .real(w.StartFinDepth, 6, 2)
        .real(w.StartFinOffset, 6, 2)
        .real(w.EndFinDepth, 6, 2)
        .real(w.EndFinOffset, 6, 2)
        .str();
}

std::string WindowVerticalSchemeText(const Scratch& s, int zone, int wall, int window) {
    const TWindowRec& w = s.model.WallWindows(zone, wall, window);
    return CardText("the side fins of " + WindowElement(s.model, zone, wall, window))
        .real(w.LeftFinDepth, 6, 2)
        .real(w.LeftFinOffset, 6, 2)
        .real(w.RightFinDepth, 6, 2)
        .real(w.RightFinOffset, 6, 2)
        .str();
}

void BuildVerticalSchemes(Scratch& s) {
    const HouseModel& m = s.model;
    CalcFins(s);
    s.VerticalSchemes.Reset({Repeat(kZeroField, 4), {}, {}});
    ForEachWall(m, [&](int z, int w) { s.VerticalSchemes.Add({WallVerticalSchemeText(s, z, w), {}, {}}); });
    ForEachWindow(m, [&](int z, int w, int n) {
        s.VerticalSchemes.Add({WindowVerticalSchemeText(s, z, w, n), {}, {}});
    });
}

void ResetObstructions(Scratch& s) {
    HouseModel& m = s.model;
    TSurfaceObstructionRec none;
    for (int month = 1; month <= 12; ++month) none.Shading(month) = 100;
    ForEachExternalWall(m, [&](int z, int w) {
        for (int k = 1; k <= 3; ++k) m.Walls(z, w).WallObstructions(k) = none;
        for (int n = 1; n <= m.Walls(z, w).WindowCount; ++n)
            for (int k = 1; k <= 3; ++k) m.WallWindows(z, w, n).WindowObstructions(k) = none;
    });
}

namespace {

// The plan side (1 top, 2 right, 3 bottom, 4 left) that a wall of this plan azimuth faces.
int FacedSide(double planAzimuth) {
    if (planAzimuth > 315.0 || planAzimuth <= 45.0) return 1;
    if (planAzimuth <= 135.0) return 2;
    if (planAzimuth <= 225.0) return 3;
    return 4;
}

} // namespace

namespace {

constexpr std::array<const char*, 4> kSideNames = {"top", "right", "bottom", "left"};

// Where the obstructions of one side of the plan stand, in plan metres.  As the obstructions dialog
// shows them, D is the distance from the house (from its outermost wall on that side) and L1 and L2
// are the obstruction's ends along the side, measured from the house's left end for the top and
// bottom sides and from its top end for the right and left sides.
struct ObstructionFrame {
    double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0; // m, the house's extent on the plan

    explicit ObstructionFrame(const HouseModel& m) {
        const PlanLimits limits = PlanLimit(m);
        const double pxPerMetre = PixelsPerMetre(m);
        left = limits.ZoneMin(0).X / pxPerMetre;
        top = limits.ZoneMin(0).Y / pxPerMetre;
        right = limits.ZoneMax(0).X / pxPerMetre;
        bottom = limits.ZoneMax(0).Y / pxPerMetre;
    }
    // The plan line on which an obstruction of the side at distance D from the house stands.
    double line(int side, double d) const {
        switch (side) {
        case 1:
            return top - d;
        case 2:
            return right + d;
        case 3:
            return bottom + d;
        default:
            return left - d;
        }
    }
    // The plan position of a length along the side.
    double along(int side, double l) const { return (side == 1 || side == 3 ? left : top) + l; }
};

// An obstruction at no distance or less from the house would stand inside or behind the walls that
// face it; the obstructions dialog refuses one, and one kept in an older house file stops the run.
void checkInFront(const TObstructionRec& ob, int side, int k) {
    if (ob.D > 0.0) return;
    char distance[48];
    std::snprintf(distance, sizeof distance, "%.2f", ob.D);
    throw ScratchError("Obstruction " + std::to_string(k) + " on the " + kSideNames[side - 1] +
                       " side of the plan stands " + distance +
                       " m from the house: an obstruction must stand more than 0 m in front of the house");
}

} // namespace

void MapObstructions(Scratch& s) {
    HouseModel& m = s.model;
    ResetObstructions(s);
    const double pxPerMetre = PixelsPerMetre(m);
    const ObstructionFrame frame(m);
    ForEachExternalWall(m, [&](int z, int w) {
        TWallRec& wall = m.Walls(z, w);
        const int side = FacedSide(wall.PlanAzimuth);
        const TPlanPoint sp = m.ZoneNodes(z, w);
        const TPlanPoint ep = m.ZoneNodes(z, m.NextWall(z, w));
        const double sx = sp.X / pxPerMetre, sy = sp.Y / pxPerMetre; // m
        const double ex = ep.X / pxPerMetre, ey = ep.Y / pxPerMetre; // m
        for (int k = 1; k <= 3; ++k) {
            const TObstructionRec& ob = m.SiteObstructions(side)(k);
            if (std::fabs(ob.H) <= 0.001 || std::fabs(ob.L1 - ob.L2) <= 0.001) continue;
            checkInFront(ob, side, k);
            const double line = frame.line(side, ob.D); // m
            const double b =
                frame.along(side, side <= 2 ? std::max(ob.L1, ob.L2) : std::min(ob.L1, ob.L2)); // m
            double lateral = 0.0, distance = 0.0;                                               // m
            switch (side) {
            case 1:
                lateral = b - ex;
                distance = ey - line;
                break;
            case 2:
                lateral = b - ey;
                distance = line - sx;
                break;
            case 3:
                lateral = ex - b;
                distance = line - sy;
                break;
            default:
                lateral = ey - b;
                distance = sx - line;
                break;
            }
            TSurfaceObstructionRec& entry = wall.WallObstructions(k);
            entry.Distance = distance;
            entry.RelativeHeight = ob.H - (m.Zones(z).Level - 1) * (wall.ExtHeight + 0.3);
            entry.LateralPosition = lateral;
            entry.VerticalOffset = 0.0;
            entry.Width = std::fabs(ob.L2 - ob.L1);
            entry.Shading = ob.Shading;
            for (int n = 1; n <= wall.WindowCount; ++n) {
                TWindowRec& win = m.WallWindows(z, w, n);
                TSurfaceObstructionRec& we = win.WindowObstructions(k);
                we = entry;
                we.LateralPosition = lateral + wall.Length - win.Position - win.Width / 2.0;
                we.VerticalOffset = win.Height - win.HeadHeight;
            }
        }
    });
}

std::string ScreenText(const TSurfaceObstructionRec& ob, std::string_view element) {
    CardText text("the obstruction of " + std::string(element));
    text.real(ob.RelativeHeight, 6, 2)
        .real(ob.Width, 6, 2)
        .real(ob.Distance, 6, 2)
        .real(ob.LateralPosition, 6, 2)
        .real(ob.VerticalOffset, 6, 2);
    return FactorsText(text, &ob.Shading);
}

void BuildScreens(Scratch& s) {
    HouseModel& m = s.model;
    MapObstructions(s);
    s.Screens.Reset({Repeat(kZeroField, 5) + Repeat(kOneField, 12), {}, {}});
    ForEachWall(m, [&](int z, int w) {
        const TWallRec& wall = m.Walls(z, w);
        if (wall.AdjZone == 0) {
            for (int k = 1; k <= 3; ++k) {
                const TSurfaceObstructionRec& ob = wall.WallObstructions(k);
                if (std::fabs(ob.Distance) < 0.001) continue;
                s.Screens.Add({ScreenText(ob, WallText(m, z, w)), {}, {}});
            }
        }
        for (int n = 1; n <= wall.WindowCount; ++n)
            for (int k = 1; k <= 3; ++k)
                s.Screens.Add(
                    {ScreenText(m.WallWindows(z, w, n).WindowObstructions(k), WindowElement(m, z, w, n)),
                     {},
                     {}});
    });
}

void WriteProjectData(Scratch& s) {
    PrepareProjectData(s);
    WriteRunAndFileCards(s);
    WriteNumericsAndCpCards(s);
    WriteGroundCards(s);
    WriteCurtainAndBlindCards(s);
    WriteShadingCards(s);
    WriteRunControlCards(s);
}

} // namespace pelmora
