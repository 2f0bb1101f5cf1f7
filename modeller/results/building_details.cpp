#include "modeller/results/building_details.h"

#include "modeller/model/common_floor_area.h"
#include "modeller/model/level_defaults.h"
#include "modeller/model/plan_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <span>

namespace pelmora {

namespace text = building_details_text;

namespace {

constexpr const char* kSquareMetres = " m\xC2\xB2"; // " m²"

std::string blanks(int count) {
    return std::string(static_cast<std::size_t>(std::max(count, 0)), ' ');
}

// Left-pads to `width` characters.
std::string rightAligned(std::string value, int width) {
    const int size = static_cast<int>(value.size());
    return size >= width ? value : blanks(width - size) + value;
}

// A real with `decimals` places; a value that rounds to zero shows no minus sign.
std::string fixedDecimals(double value, int decimals) {
    if (!std::isfinite(value)) return value != value ? "NAN" : (value > 0 ? "INF" : "-INF");
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string s = buffer;
    if (s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

// The first `count` characters of a text.
std::string firstChars(std::string_view text, std::size_t count) {
    return std::string(text.substr(0, count));
}

// The fixed part of a report row: each step appends a piece and cuts the row at its limit, so a
// value wider than its field shifts what follows but never past the step's limit.
class FixedPart {
  public:
    explicit FixedPart(std::string start = {}) : text_(std::move(start)) {}
    FixedPart& add(std::string_view piece, std::size_t limit) {
        text_ += piece;
        if (text_.size() > limit) text_.resize(limit);
        return *this;
    }
    std::string str() const { return text_; }

  private:
    std::string text_;
};

// An element number of an opening row, n:2 kept to 2 characters.
std::string twoChars(long long value) {
    return firstChars(IntField(value, 2), 2);
}

// The fixed part of a door or window row: its label, width, height, eaves depth, azimuth and area.
template <class Opening> std::string openingFields(const std::string& label, const Opening& opening) {
    return FixedPart(label)
        .add(RealField(opening.Width, 8, 2), 56)
        .add(RealField(opening.Height, 8, 2), 56)
        .add(RealField(opening.EavesDepth, 8, 2), 56)
        .add(RealField(opening.Azimuth, 8, 0), 56)
        .add(RealField(opening.ElementArea, 8, 2), 56)
        .add("   ", 56)
        .str();
}

std::string word(std::span<const std::string_view> words, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= words.size()) return {};
    return std::string(words[static_cast<std::size_t>(index)]);
}

// Reads one row of a material table by the record number an element stores.  A record outside the
// table has no row: its texts are empty and its flags false.
class RowReader {
  public:
    explicit RowReader(MaterialTable& table) : table_(table) {}
    std::string text(int record, std::string_view field) const {
        if (!moveTo(record)) return {};
        return table_.FieldAsString(field);
    }
    bool flag(int record, std::string_view field) const {
        if (!moveTo(record)) return false;
        return table_.FieldAsBoolean(field);
    }
    std::string material(int record) const { return text(record, "Material Description"); }
    std::string insulation(int record) const { return text(record, "Insulation Description"); }
    bool showR(int record) const { return flag(record, "ShowR"); }

  private:
    bool moveTo(int record) const {
        if (record < 1 || record > table_.RecordCount()) return false;
        table_.SetRecNo(record);
        return true;
    }
    MaterialTable& table_;
};

// The R text of a zone row: " R" and the added R as x:4:2 when the insulation row shows added R.
std::string rowRText(const RowReader& insulation, int record, double addedR) {
    return insulation.showR(record) ? " R" + RealField(addedR, 4, 2) : std::string();
}

// The R text of a summary key: " R " and fixed(4, 1) of the added R.
std::string tallyRText(const RowReader& insulation, int record, double addedR) {
    return insulation.showR(record) ? " R " + FixedText(addedR, 4, 1) : std::string();
}

// Closes the tables however the build ends.
class OpenTables {
  public:
    explicit OpenTables(MaterialTables& tables) : tables_(tables) { OpenMaterialTables(tables_); }
    ~OpenTables() { CloseMaterialTables(tables_); }
    OpenTables(const OpenTables&) = delete;
    OpenTables& operator=(const OpenTables&) = delete;

  private:
    MaterialTables& tables_;
};

} // namespace

void ReportSwitches::setAll(bool on) {
    ExtWall = IntWall = ExtFloor = IntCeiling = IntFloorCover = ExtCeiling = Roof = Door = Window = Skylight =
        StairWell = AirFlow = ZoneHeading = Summary = on;
}

std::string IntField(long long value, int width) {
    return rightAligned(std::to_string(value), width);
}

std::string RealField(double value, int width, int decimals) {
    return rightAligned(fixedDecimals(value, decimals), width);
}

std::string FixedText(double value, int precision, int decimals) {
    if (std::isfinite(value) && std::fabs(value) >= std::pow(10.0, precision)) {
        // d.ddddE+XXX with `precision` significant digits.
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*E", std::max(precision - 1, 0), value);
        std::string s = buffer;
        const std::size_t e = s.find('E');
        std::string exponent = s.substr(e + 2);
        while (exponent.size() < 3) exponent.insert(0, "0");
        return s.substr(0, e + 2) + exponent;
    }
    return fixedDecimals(value, decimals);
}

std::string IntText(long long value) {
    return std::to_string(value);
}

int PrintLineHeight(double fontPoints, int dotsPerInch) {
    const int h = static_cast<int>(std::abs(std::nearbyint(fontPoints * dotsPerInch / 72.0)));
    return h + (4 * h) / 10;
}

// ---- The whole report ----------------------------------------------------------------------------

ReportDocument BuildingDetails::Display(const ReportSwitches& switches, int selectedZone) {
    OpenTables open(tables_);
    // Whatever the stairwell answer, the report is built.
    [[maybe_unused]] const bool cancelled = ScratchCalcs(model_, view_, question_);
    refreshed_.clear();
    ReportDocument document;
    Header(document);
    if (switches.Summary) Summary(document);
    for (int zone = 1; zone <= model_.ZoneCount; ++zone)
        if (selectedZone == 0 || selectedZone == zone) ZoneSection(document, switches, zone);
    return document;
}

void BuildingDetails::Header(ReportDocument& document) const {
    document.add(1,
                 "Project   " + model_.ProjectName + "    Run " + firstChars(IntText(model_.RunNumber), 8));
    std::string site = firstChars(model_.LocationName, 28) + "  PC " +
                       firstChars(IntText(model_.Postcode), 4) + "  Lat" + RealField(model_.Latitude, 8, 2) +
                       "  Long" + RealField(model_.Longitude, 8, 2) + "   Climate File " +
                       firstChars(model_.ClimateFileName, 12);
    document.add(5, firstChars(site, 92));
    document.add(5, "");
}

double BuildingDetails::sharedWithLevel(int zone, int level) {
    const int own = model_.Zones(zone).Level;
    const std::pair<int, int> pair{std::min(own, level), std::max(own, level)};
    if (std::find(refreshed_.begin(), refreshed_.end(), pair) == refreshed_.end()) {
        CommonArea(model_, own, level);
        refreshed_.push_back(pair);
    }
    double sum = 0.0; // m2
    for (int other = 1; other <= model_.ZoneCount; ++other)
        if (model_.Zones(other).Level == level) sum += model_.CommonFloorArea(zone, other);
    return sum;
}

// ---- Summary -------------------------------------------------------------------------------------

BuildingDetails::TallyEntry& BuildingDetails::addToTally(std::vector<TallyEntry>& tally,
                                                         const std::string& key, double area, bool& added) {
    for (TallyEntry& entry : tally) {
        if (entry.key != key) continue;
        entry.area += area;
        added = false;
        return entry;
    }
    TallyEntry entry;
    entry.key = key;
    entry.area = area;
    tally.push_back(std::move(entry));
    added = true;
    return tally.back();
}

void BuildingDetails::Summary(ReportDocument& document) {
    double conditioned = 0.0, unconditioned = 0.0, glazed = 0.0, doors = 0.0, grossWall = 0.0; // m2
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        const TZoneRec& zone = model_.Zones(z);
        (zone.Heated && zone.Cooled ? conditioned : unconditioned) += zone.FloorArea;
        for (int w = 0; w < zone.NodeCount; ++w) {
            const TWallRec& wall = model_.Walls(z, w);
            if (wall.AdjZone != 0) continue;
            for (int k = 1; k <= wall.WindowCount; ++k) glazed += model_.WallWindows(z, w, k).ElementArea;
            for (int k = 1; k <= wall.DoorCount; ++k) doors += model_.WallDoors(z, w, k).ElementArea;
            grossWall += wall.Length * wall.ExtHeight;
        }
    }
    const double totalFloor = conditioned + unconditioned;
    // A house without floor area has no glass to floor ratio to speak of: it shows 0.0.
    const double glassToFloor = totalFloor > 0.0 ? glazed * 100.0 / totalFloor : 0.0; // %
    document.add(1, "Summary");
    const auto figure = [&](const char* caption, double value, int precision, const char* unit) {
        document.add(5, caption + FixedText(value, precision, 1) + unit);
    };
    figure("Conditioned Area                 ", conditioned, 5, kSquareMetres);
    figure("Unconditioned Area               ", unconditioned, 5, kSquareMetres);
    figure("Total Floor Area                 ", totalFloor, 5, kSquareMetres);
    figure("Total Glazed Area                ", glazed, 4, kSquareMetres);
    figure("Total External Solid door Area   ", doors, 4, kSquareMetres);
    figure("Glass to Floor Area              ", glassToFloor, 4, " %");
    figure("Gross External Wall Area         ", grossWall, 4, kSquareMetres);
    figure("Net External Wall Area           ", grossWall - doors - glazed, 4, kSquareMetres);
    document.add(5, "");

    windowTally(document);
    externalWallTally(document);
    internalWallTally(document);
    externalFloorTally(document);
}

void BuildingDetails::windowTally(ReportDocument& document) {
    std::vector<TallyEntry> tally;
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        for (int w = 0; w < model_.Zones(z).NodeCount; ++w) {
            const TWallRec& wall = model_.Walls(z, w);
            if (wall.AdjZone != 0) continue;
            for (int k = 1; k <= wall.WindowCount; ++k) {
                const TWindowRec& window = model_.WallWindows(z, w, k);
                const int index = WindowProductIndexOf(model_, window.ProductCode);
                // A code outside the library names no product: the code alone, with no U or SHGC.
                static const CustWinType kNoProduct{};
                const CustWinType& product = index > 0 ? model_.WindowProducts(index) : kNoProduct;
                const std::string key = window.ProductCode + " " + product.Manufacturer + " " +
                                        GlassDescription(product) + " " + FrameDescription(product);
                bool added = false;
                TallyEntry& entry = addToTally(tally, key, window.Width * window.Height, added);
                if (!added) continue;
                entry.hasProduct = index > 0;
                entry.label =
                    index > 0 ? window.ProductCode + " " + product.Manufacturer : window.ProductCode;
                entry.glass = GlassDescription(product);
                entry.frame = FrameDescription(product);
                if (entry.hasProduct) {
                    const WholeWindowFigures figures = WholeWindowValues(product);
                    entry.U = figures.U;
                    entry.SHGC = figures.SHGC;
                }
            }
        }
    }
    document.add(1, "Window");
    for (const TallyEntry& entry : tally) {
        const std::string u = entry.hasProduct ? FixedText(entry.U, 4, 2) : std::string();
        const std::string shgc = entry.hasProduct ? FixedText(entry.SHGC, 3, 2) : std::string();
        document.add(2, "Area " + FixedText(entry.area, 4, 1) + kSquareMetres + "  " + entry.label +
                            "  Uval " + u + "  SHGC " + shgc);
        document.add(2, "              Glass  " + entry.glass);
        document.add(2, "              Frame  " + entry.frame);
    }
    document.add(5, "");
}

void BuildingDetails::externalWallTally(ReportDocument& document) {
    const RowReader material(tables_.ExtWallForm.materialstable);
    const RowReader insulation(tables_.ExtWallForm.insulationtable);
    std::vector<TallyEntry> tally;
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        for (int w = 0; w < model_.Zones(z).NodeCount; ++w) {
            const TWallRec& wall = model_.Walls(z, w);
            if (wall.AdjZone != 0) continue;
            std::string key = material.material(wall.ExtMaterial);
            if (wall.Beyond == 2) key += " to neighbour ";
            if (wall.Beyond == 3) key += " to earth ";
            key += "  " + insulation.insulation(wall.ExtInsulation) +
                   tallyRText(insulation, wall.ExtInsulation, wall.ExtAddedR);
            double area = wall.Length * wall.ExtHeight; // m2
            for (int k = 1; k <= wall.DoorCount; ++k)
                area -= model_.WallDoors(z, w, k).Width * model_.WallDoors(z, w, k).Height;
            for (int k = 1; k <= wall.WindowCount; ++k)
                area -= model_.WallWindows(z, w, k).Width * model_.WallWindows(z, w, k).Height;
            bool added = false;
            addToTally(tally, key, area, added);
        }
    }
    document.add(1, "External Wall");
    for (const TallyEntry& entry : tally)
        document.add(2, "Area " + FixedText(entry.area, 4, 1) + kSquareMetres + "  " + entry.key);
    document.add(5, "");
}

void BuildingDetails::internalWallTally(ReportDocument& document) {
    const RowReader material(tables_.IntWallForm.materialstable);
    const RowReader insulation(tables_.IntWallForm.insulationtable);
    std::vector<TallyEntry> tally;
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        for (int w = 0; w < model_.Zones(z).NodeCount; ++w) {
            const TWallRec& wall = model_.Walls(z, w);
            if (wall.AdjZone == 0) continue;
            const std::string key = material.material(wall.PartMaterial) + "  " +
                                    insulation.insulation(wall.PartInsulation) +
                                    tallyRText(insulation, wall.PartInsulation, wall.PartAddedR);
            bool added = false;
            addToTally(tally, key, wall.Length * wall.PartHeight, added);
        }
    }
    document.add(1, "Internal Wall");
    // Each partition was met from both of its zones.
    for (const TallyEntry& entry : tally)
        document.add(2, "Area " + FixedText(entry.area / 2.0, 4, 1) + kSquareMetres + "  " + entry.key);
    document.add(5, "");
}

void BuildingDetails::externalFloorTally(ReportDocument& document) {
    const RowReader material(tables_.ExtFloorForm.materialstable);
    const RowReader insulation(tables_.ExtFloorForm.insulationtable);
    const RowReader covering(tables_.ExtFloorForm.FloorCoverTable);
    std::vector<TallyEntry> tally;
    for (int z = 1; z <= model_.ZoneCount; ++z) {
        const TExtFloorRec floor = FloorAsSimulated(model_, z);
        const std::string key = material.material(floor.Material) + "  " +
                                insulation.insulation(floor.Insulation) +
                                tallyRText(insulation, floor.Insulation, floor.AddedR) + "  " +
                                covering.material(floor.FloorCovering);
        const int level = model_.Zones(z).Level;
        double area = model_.Zones(z).FloorArea; // m2 exposed
        if (level > 1) area -= sharedWithLevel(z, level - 1);
        bool added = false;
        addToTally(tally, key, area, added);
    }
    document.add(1, "External Floor");
    for (const TallyEntry& entry : tally)
        document.add(2, "Area " + FixedText(entry.area, 4, 1) + kSquareMetres + "  " + entry.key);
    document.add(5, "");
}

// ---- Zone sections -------------------------------------------------------------------------------

void BuildingDetails::ZoneSection(ReportDocument& document, const ReportSwitches& on, int z) {
    const TZoneRec& zone = model_.Zones(z);
    double above = 0.0; // m2 shared with the level above
    if (zone.Level < HighestLevelInUse(model_)) above = sharedWithLevel(z, zone.Level + 1);
    double below = 0.0; // m2 shared with the level below
    if (zone.Level > 1) {
        below = sharedWithLevel(z, zone.Level - 1);
        if (below < 0.5) below = 0.0;
    }
    const bool showIntCeiling = above >= 0.5;
    const bool showCeilingAndRoof = above < 0.5 || above < zone.FloorArea - 0.5;
    const bool showExtFloor = zone.Level == 1 || zone.FloorArea - 0.5 > below;
    const bool showFloorCover = below > 0.0;
    double skylightArea = 0.0; // m2
    for (int n = 1; n <= zone.SkylightCount; ++n)
        skylightArea +=
            model_.ZoneSkylights(z, n).Width / 1000.0 * (model_.ZoneSkylights(z, n).Height / 1000.0);

    // 1. Heading.
    if (on.ZoneHeading) {
        const std::string start = FixedPart("Zone").add(IntField(z, 2), 18).add("      ", 18).str();
        document.add(1, start + zone.Name + "      " + word(text::kZoneTypes, zone.ZoneType) +
                            " Area on Level " + firstChars(IntText(zone.Level), 2));
    }

    // 2. Air movement.
    if (on.AirFlow) {
        document.add(2, "Air Movement  Screens   Seals   Chimney   Gas vent  Wall vents  Downlights Ex Fans  "
                        "Ceilin fans");
        std::string line = zone.InsectScreens ? "                  Yes" : "                   No";
        line += zone.DraughtSeals ? "    Yes" : "     No";
        line += zone.UnsealedChimney ? "   Unsealed" : "         No";
        line += zone.GasHeaterVent ? "     Yes" : "      No";
        line += "         " + IntText(zone.VentCount);
        line += "          " + IntText(zone.DownlightCount);
        line += "          " + IntText(zone.ExhaustFanCount);
        if (zone.CeilingFanCount > 0)
            line +=
                "       " + IntText(zone.CeilingFanCount) + "x" + FixedText(zone.FanDiameter, 4, 0) + "mm";
        else
            line += "       No";
        document.add(5, line);
    }

    // 3. Voids.
    if (on.StairWell) {
        bool anyVoid = false;
        for (int j = 1; j <= model_.ZoneCount; ++j) anyVoid = anyVoid || model_.VoidArea(z, j) != 0.0;
        if (anyVoid) {
            document.add(2, "Void             Area   To Zone");
            int c = 0;
            for (int j = 1; j <= model_.ZoneCount; ++j) {
                if (j == z || model_.VoidArea(z, j) == 0.0) continue;
                ++c;
                document.add(5, FixedPart("Void ")
                                    .add(IntField(c, 2), 13)
                                    .add("      ", 19)
                                    .add(RealField(model_.VoidArea(z, j), 8, 2), 27)
                                    .add("     ", 32)
                                    .add(IntField(j, 2), 40)
                                    .str());
            }
        }
    }

    // 4. Skylights.
    if (on.Skylight && zone.SkylightCount > 0) {
        document.add(
            2, "Skylight         Area   Slope  Orient  Length   Width     Name          Type                 "
               "Frame");
        const RowReader product(tables_.SkylightForm.materialstable);
        const RowReader skyFrame(tables_.SkylightForm.SkyFrameTable);
        const RowReader glass(tables_.SkylightForm.glasstable);
        const RowReader frame(tables_.SkylightForm.frametable);
        for (int n = 1; n <= zone.SkylightCount; ++n) {
            const TSkylightRec& sky = model_.ZoneSkylights(z, n);
            double azimuth =
                sky.Orientation * 45.0 - model_.NorthAngle * 180.0 / std::numbers::pi + 360.0; // deg
            if (azimuth < 0.0) azimuth += 360.0;
            if (azimuth >= 360.0) azimuth -= 360.0;
            const double slope = sky.Clerestory ? 90.0 : sky.Slope; // degrees
            const std::string name = sky.Clerestory ? sky.WindowCode : sky.ProductCode;
            const std::string type =
                sky.Clerestory ? glass.material(sky.Glass) : product.material(sky.SkyProduct);
            const std::string frameText =
                sky.Clerestory ? frame.material(sky.Frame) : skyFrame.material(sky.SkyFrame);
            document.add(5, "Skylight   " + IntText(n) + " " +
                                RealField(sky.Width * sky.Height / 1.0e6, 8, 2) + RealField(slope, 8, 0) +
                                RealField(azimuth, 8, 0) + RealField(sky.Height / 1000.0, 8, 2) +
                                RealField(sky.Width / 1000.0, 8, 2) + "    " + name + "   " + type + "   " +
                                frameText);
        }
    }

    // 5. External floor.
    if (showExtFloor && on.ExtFloor) {
        const TExtFloorRec floor = FloorAsSimulated(model_, z);
        const RowReader material(tables_.ExtFloorForm.materialstable);
        const RowReader insulation(tables_.ExtFloorForm.insulationtable);
        const RowReader covering(tables_.ExtFloorForm.FloorCoverTable);
        document.add(
            2,
            "External Floor                                   Area                                         "
            "        Under Floor");
        const bool suspended = material.flag(floor.Material, "UF");
        const std::string height =
            suspended ? "Floor Height " + RealField(floor.UnderFloorHeight, 4, 0) : std::string();
        const std::string vent =
            suspended ? (floor.FloorVentilation <= 1 ? "Open" : "Enclosed") : std::string();
        const std::string fixed =
            FixedPart(blanks(45)).add(RealField(zone.FloorArea - below, 8, 2), 56).add("   ", 56).str();
        document.add(5,
                     fixed + covering.material(floor.FloorCovering) + "  " +
                         material.material(floor.Material) + "  " + insulation.insulation(floor.Insulation) +
                         rowRText(insulation, floor.Insulation, floor.AddedR) + "  " + height + "  " + vent);
    }

    // 6. Ceiling between levels.
    if (showIntCeiling && on.IntCeiling) {
        const TIntCeilingRec& ceiling = model_.ZoneIntCeilings(z);
        const RowReader material(tables_.IntCeilingForm.materialstable);
        const RowReader insulation(tables_.IntCeilingForm.insulationtable);
        document.add(2, "Internal Ceiling                                 Area");
        const std::string fixed =
            FixedPart(blanks(45)).add(RealField(above, 8, 2), 71).add(blanks(18), 71).str();
        document.add(5, fixed + material.material(ceiling.Material) + "  " +
                            insulation.insulation(ceiling.Insulation) +
                            rowRText(insulation, ceiling.Insulation, ceiling.AddedR));
    }

    // 7. Floor covering between levels.
    if (showFloorCover && on.IntFloorCover) {
        const RowReader covering(tables_.FloorCoverForm.FloorCoverTable);
        document.add(2, "Int Floor Cover                                  Area");
        const std::string fixed =
            FixedPart(blanks(45)).add(RealField(below, 8, 2), 71).add(blanks(18), 71).str();
        document.add(5, fixed + covering.material(model_.ZoneFloorCovers(z).FloorCovering));
    }

    // 8. Ceiling.
    if (showCeilingAndRoof && on.ExtCeiling) {
        const TCeilingRec& ceiling = model_.ZoneCeilings(z);
        const RowReader material(tables_.CeilingForm.materialstable);
        const RowReader insulation(tables_.CeilingForm.insulationtable);
        document.add(2, "Ceiling                 Slope                    Area");
        const double area = (zone.FloorArea - above) / std::cos(ceiling.Slope * std::numbers::pi / 180.0) -
                            skylightArea; // m2
        const std::string fixed = FixedPart(blanks(21))
                                      .add(RealField(ceiling.Slope, 8, 0), 29)
                                      .add(blanks(16), 45)
                                      .add(RealField(area, 8, 2), 53)
                                      .add("   ", 56)
                                      .str();
        const std::string space =
            ceiling.RoofSpace == 0 ? "Roofspace or roof above ceiling" : "Another apartment above ceiling";
        document.add(5, fixed + material.material(ceiling.Material) + "  " +
                            insulation.insulation(ceiling.Insulation) + "  " +
                            rowRText(insulation, ceiling.Insulation, ceiling.AddedR) + "  " + space);
    }

    // 9. Roof.
    if (showCeilingAndRoof && on.Roof) {
        const TRoofRec& roof = model_.ZoneRoofs(z);
        const RowReader material(tables_.RoofForm.materialstable);
        const RowReader insulation(tables_.RoofForm.insulationtable);
        document.add(2, "Roof                    Slope           Shape           Type             ");
        document.add(5, blanks(21) + RealField(roof.Slope, 8, 0) + word(text::kRoofShapes, roof.RoofShape) +
                            blanks(11) + material.material(roof.Material) + "  " +
                            insulation.insulation(roof.Insulation) + "  " +
                            rowRText(insulation, roof.Insulation, roof.AddedR));
    }

    const RowReader intMaterial(tables_.IntWallForm.materialstable);
    const RowReader intInsulation(tables_.IntWallForm.insulationtable);
    const RowReader doorMaterial(tables_.DoorForm.DoorTable);

    // 10. Internal walls.
    if (zone.IntWallCount > 0 && on.IntWall) {
        document.add(2, "Internal Wall  Length  Height                    Area   Type           ");
        for (int n = 1; n <= zone.IntWallCount; ++n) {
            const TIntWallRec& wall = model_.ZoneIntWalls(z, n);
            const std::string fixed = FixedPart("Wall I")
                                          .add(IntField(n, 3), 14)
                                          .add("    ", 18)
                                          .add(RealField(wall.IntWallLength, 8, 2), 26)
                                          .add(RealField(wall.Height, 8, 2), 34)
                                          .add(blanks(16), 50)
                                          .add(RealField(wall.IntWallLength * wall.Height, 8, 2), 58)
                                          .add("   ", 61)
                                          .str();
            document.add(5, fixed + intMaterial.material(wall.Material) + "  " +
                                intInsulation.insulation(wall.Insulation) + "  " +
                                rowRText(intInsulation, wall.Insulation, wall.AddedR));
        }
    }

    // 11. Partition walls and their doors.
    if (on.IntWall) document.add(2, "Partition Wall Length  Height            AdjZ    Area   Type       ");
    if (on.Door) document.add(2, "Door Int        Width  Height            AdjZ    Area   Type");
    for (int w = 0; w < zone.NodeCount; ++w) {
        const TWallRec& wall = model_.Walls(z, w);
        if (wall.AdjZone == 0) continue;
        double area = wall.Length * wall.PartHeight; // m2
        for (int k = 1; k <= wall.DoorCount; ++k) area -= model_.WallDoors(z, w, k).ElementArea;
        for (int k = 1; k <= wall.InterzoneDoorCount; ++k) area -= model_.InterzoneDoors(z, w, k).ElementArea;
        if (on.IntWall) {
            const std::string fixed = FixedPart("Wall P ")
                                          .add(IntField(w + 1, 2), 15)
                                          .add("    ", 19)
                                          .add(RealField(wall.Length, 8, 2), 27)
                                          .add(RealField(wall.PartHeight, 8, 2), 35)
                                          .add(blanks(8), 43)
                                          .add(IntField(wall.AdjZone, 8), 51)
                                          .add(RealField(area, 8, 2), 59)
                                          .add("   ", 62)
                                          .str();
            document.add(5, fixed + intMaterial.material(wall.PartMaterial) + "  " +
                                intInsulation.insulation(wall.PartInsulation) + "  " +
                                rowRText(intInsulation, wall.PartInsulation, wall.PartAddedR));
        }
        if (on.Door) {
            const auto doorRow = [&](int k, double width, double height, double elementArea, int material) {
                const std::string fixed = FixedPart("Door I(" + twoChars(w + 1) + "," + twoChars(k) + ")")
                                              .add(RealField(width, 8, 2), 56)
                                              .add(RealField(height, 8, 2), 56)
                                              .add(blanks(8), 56)
                                              .add(IntField(wall.AdjZone, 8), 56)
                                              .add(RealField(elementArea, 8, 2), 56)
                                              .add("   ", 56)
                                              .str();
                document.add(5, fixed + doorMaterial.material(material));
            };
            for (int k = 1; k <= wall.DoorCount; ++k) {
                const TDoorRec& door = model_.WallDoors(z, w, k);
                doorRow(k, door.Width, door.Height, door.ElementArea, door.Material);
            }
            for (int k = 1; k <= wall.InterzoneDoorCount; ++k) {
                const TInterzoneDoorRec& door = model_.InterzoneDoors(z, w, k);
                doorRow(k, door.Width, door.Height, door.ElementArea, door.Material);
            }
        }
    }

    // 12. Column headings of the external walls.
    if (on.Window) {
        document.add(
            2,
            "Window          Width  Height   Eaves  Orient    Area   Name            Glass          Frame");
        document.add(
            2,
            "                                                        Opening        Covering      Shading");
    }
    if (on.Door) document.add(2, "Door Ext        Width  Height   Eaves  Orient    Area   Type");
    if (on.ExtWall) document.add(2, "External Wall  Length  Height   Eaves  Orient    Area   Type       ");

    // 13. External walls with their doors and windows.
    const RowReader extMaterial(tables_.ExtWallForm.materialstable);
    const RowReader extInsulation(tables_.ExtWallForm.insulationtable);
    const RowReader style(tables_.GlazingForm.styletable);
    const RowReader furnishing(tables_.GlazingForm.furnishingstable);
    const RowReader shading(tables_.GlazingForm.shadingtable);
    for (int w = 0; w < zone.NodeCount; ++w) {
        const TWallRec& wall = model_.Walls(z, w);
        if (wall.AdjZone != 0) continue;
        double area = wall.ExtHeight * wall.Length; // m2
        for (int k = 1; k <= wall.DoorCount; ++k) area -= model_.WallDoors(z, w, k).ElementArea;
        for (int k = 1; k <= wall.WindowCount; ++k) area -= model_.WallWindows(z, w, k).ElementArea;
        if (on.ExtWall) {
            const std::string fixed = FixedPart("Wall E ")
                                          .add(IntField(w + 1, 2), 15)
                                          .add("    ", 19)
                                          .add(RealField(wall.Length, 8, 2), 27)
                                          .add(RealField(wall.ExtHeight, 8, 2), 35)
                                          .add(RealField(wall.EavesDepth, 8, 2), 43)
                                          .add(RealField(wall.Azimuth, 8, 0), 51)
                                          .add(RealField(area, 8, 2), 59)
                                          .add("   ", 62)
                                          .str();
            std::string beyond;
            if (wall.Beyond == 2) beyond = " to neighbour ";
            if (wall.Beyond == 3) beyond = " to earth ";
            document.add(5, fixed + extMaterial.material(wall.ExtMaterial) + beyond + "  " +
                                extInsulation.insulation(wall.ExtInsulation) + "  " +
                                rowRText(extInsulation, wall.ExtInsulation, wall.ExtAddedR));
        }
        if (on.Door) {
            for (int k = 1; k <= wall.DoorCount; ++k) {
                const TDoorRec& door = model_.WallDoors(z, w, k);
                const std::string fixed =
                    openingFields("Door E(" + twoChars(w + 1) + "," + twoChars(k) + ")", door);
                document.add(5, fixed + doorMaterial.material(door.Material));
            }
        }
        if (on.Window) {
            for (int k = 1; k <= wall.WindowCount; ++k) {
                const TWindowRec& window = model_.WallWindows(z, w, k);
                const std::string fixed =
                    openingFields("Window(" + twoChars(w + 1) + "," + twoChars(k) + ")", window);
                // A code outside the product library shows the code alone.
                std::string product = window.ProductCode;
                if (const int index = WindowProductIndexOf(model_, window.ProductCode); index > 0)
                    product += "  " + GlassDescription(model_.WindowProducts(index)) + "   " +
                               FrameDescription(model_.WindowProducts(index));
                document.add(5, fixed + product);
                document.add(5, blanks(56) + style.material(window.Style) + "  " +
                                    furnishing.material(window.Furnishing) + "  " +
                                    shading.material(window.Shading));
            }
        }
    }

    // 14. The block's end.
    document.add(5, "");
}

} // namespace pelmora
