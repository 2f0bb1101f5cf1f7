#include "modeller/model/house_file.h"

#include "common/control_characters.h"
#include "common/site_position.h"
#include "modeller/model/defaults_file.h"
#include "modeller/model/file_names.h"
#include "modeller/model/level_default_record.h"
#include "modeller/model/level_defaults.h"
#include "modeller/model/plan_geometry.h"
#include "modeller/model/value_lines.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <limits>
#include <memory>
#include <vector>

namespace pelmora {

namespace {

// ---- The lines of each record, in file order ---------------------------------------------------

using M = HouseModel;
const std::array<StoredField<M>, 35> kHeader{{
    {"ProjectName", &M::ProjectName},
    {"LocationName", &M::LocationName},
    {"ClimateFileName", &M::ClimateFileName},
    {"RunNumber", &M::RunNumber},
    {"Postcode", &M::Postcode},
    {"Longitude", &M::Longitude},
    {"Latitude", &M::Latitude},
    {"NorthAngle", &M::NorthAngle},
    {"ShieldingFactor", &M::ShieldingFactor},
    {"ClientName", &M::ClientName},
    {"ClientPhone", &M::ClientPhone},
    {"ClientFax", &M::ClientFax},
    {"ClientEmail", &M::ClientEmail},
    {"ClientPostalAddress", &M::ClientPostalAddress},
    {"ClientStreetAddress", &M::ClientStreetAddress},
    {"AssessorName", &M::AssessorName},
    {"AssessorPhone", &M::AssessorPhone},
    {"AssessorFax", &M::AssessorFax},
    {"AssessorEmail", &M::AssessorEmail},
    {"AssessorPostalAddress", &M::AssessorPostalAddress},
    {"AssessorStreetAddress", &M::AssessorStreetAddress},
    {"AssessorNumber", &M::AssessorNumber},
    {"DwellingDPNumber", &M::DwellingDPNumber},
    {"DwellingUnit", &M::DwellingUnit},
    {"DwellingLotNumber", &M::DwellingLotNumber},
    {"DwellingHouseNumber", &M::DwellingHouseNumber},
    {"DwellingStreetName", &M::DwellingStreetName},
    {"DwellingDevelopmentName", &M::DwellingDevelopmentName},
    {"DwellingSuburb", &M::DwellingSuburb},
    {"DwellingPostCode", &M::DwellingPostCode},
    {"SoftwareName", &M::SoftwareName},
    {"SoftwareVersion", &M::SoftwareVersion},
    {"AssessmentDate", &M::AssessmentDate},
    {"StateIndex", &M::StateIndex, 0, 0, 7},
    {"CommentLineCount", &M::CommentLineCount, 0, 0},
}};

using P = TLevelPictureRec;
const std::array<StoredField<P>, 3> kPicture{{
    {"OffsetX", &P::OffsetX},
    {"OffsetY", &P::OffsetY},
    {"ScalePos", &P::ScalePos},
}};

using Z = TZoneRec;
const std::array<StoredField<Z>, 23> kZone{{
    {"NodeCount", &Z::NodeCount, 0, 0, kMaxNodes},
    {"Level", &Z::Level, 0, 1, kMaxLevels},
    {"IntWallCount", &Z::IntWallCount, 0, 0, kMaxIntWalls},
    {"SkylightCount", &Z::SkylightCount, 0, 0, kMaxSkylights},
    {"StairDownCount", &Z::StairDownCount, 0, 0, kMaxStairsDown},
    {"StairUpCount", &Z::StairUpCount, 0, 0, kMaxStairsUp},
    {"CeilingFanCount", &Z::CeilingFanCount},
    {"VentCount", &Z::VentCount},
    {"ExhaustFanCount", &Z::ExhaustFanCount},
    {"DownlightCount", &Z::DownlightCount},
    {"MechVentRate", &Z::MechVentRate},
    {"FloorArea", &Z::FloorArea},
    {"FanDiameter", &Z::FanDiameter},
    {"InsectScreens", &Z::InsectScreens},
    {"DraughtSeals", &Z::DraughtSeals},
    {"UnsealedChimney", &Z::UnsealedChimney},
    {"GasHeaterVent", &Z::GasHeaterVent},
    {"MechVentOn", &Z::MechVentOn},
    {"Colour", &Z::Colour},
    {"Name", &Z::Name, kZoneNameLength},
    {"ZoneType", &Z::ZoneType, 0, 0, 7},
    {"Heated", &Z::Heated},
    {"Cooled", &Z::Cooled},
}};

using W = TWallRec;
const std::array<StoredField<W>, 22> kWall{{
    {"AdjZone", &W::AdjZone, 0, 0, kMaxZones},
    {"WindowCount", &W::WindowCount, 0, 0, kMaxWindowsPerWall},
    {"DoorCount", &W::DoorCount, 0, 0, kMaxDoorsPerWall},
    {"ExtMaterial", &W::ExtMaterial},
    {"ExtInsulation", &W::ExtInsulation},
    {"PartMaterial", &W::PartMaterial},
    {"PartInsulation", &W::PartInsulation},
    {"Beyond", &W::Beyond, 0, 0, 3},
    {"ExtInsulated", &W::ExtInsulated},
    {"ExtAddedR", &W::ExtAddedR},
    {"PartAddedR", &W::PartAddedR},
    {"Length", &W::Length},
    {"PartHeight", &W::PartHeight},
    {"ExtHeight", &W::ExtHeight},
    {"PartThickness", &W::PartThickness},
    {"ExtThickness", &W::ExtThickness},
    {"PlanAzimuth", &W::PlanAzimuth},
    {"Azimuth", &W::Azimuth},
    {"EavesDepth", &W::EavesDepth},
    {"Absorptance", &W::Absorptance},
    {"Colour", &W::Colour},
    {"Start", &W::Start, 0, 0, kPlanLimitPixels},
}};

using Win = TWindowRec;
const std::array<StoredField<Win>, 22> kWindow{{
    {"Position", &Win::Position},
    {"Width", &Win::Width},
    {"Height", &Win::Height},
    {"ElementArea", &Win::ElementArea},
    {"Azimuth", &Win::Azimuth},
    {"EavesDepth", &Win::EavesDepth},
    {"Offset", &Win::Offset},
    {"SecondEaves", &Win::SecondEaves},
    {"HeadHeight", &Win::HeadHeight},
    {"NodePoint", &Win::NodePoint, 0, 0, kOpeningPointLimitPixels},
    {"Glass", &Win::Glass},
    {"Frame", &Win::Frame},
    {"Style", &Win::Style},
    {"Shading", &Win::Shading},
    {"Furnishing", &Win::Furnishing},
    {"ProductCode", &Win::ProductCode, kProductCodeLength},
    {"PermanentlyOpen", &Win::PermanentlyOpen},
    {"MonthlyShading", &Win::MonthlyShading, 0, 0, 100},
    {"VertShadeLeftWidth", &Win::VertShadeLeftWidth},
    {"VertShadeRightWidth", &Win::VertShadeRightWidth},
    {"VertShadeLeftOffset", &Win::VertShadeLeftOffset},
    {"VertShadeRightOffset", &Win::VertShadeRightOffset},
}};

using D = TDoorRec;
const std::array<StoredField<D>, 9> kDoor{{
    {"Position", &D::Position},
    {"Width", &D::Width},
    {"Height", &D::Height},
    {"ElementArea", &D::ElementArea},
    {"Azimuth", &D::Azimuth},
    {"EavesDepth", &D::EavesDepth},
    {"DoorSpare", &D::Reserved},
    {"NodePoint", &D::NodePoint, 0, 0, kOpeningPointLimitPixels},
    {"Material", &D::Material},
}};

using IW = TIntWallRec;
const std::array<StoredField<IW>, 8> kIntWall{{
    {"IntWallLength", &IW::IntWallLength},
    {"Height", &IW::Height},
    {"Thickness", &IW::Thickness},
    {"StartPoint", &IW::StartPoint, 0, 0, kPlanLimitPixels},
    {"EndPoint", &IW::EndPoint, 0, 0, kPlanLimitPixels},
    {"Material", &IW::Material},
    {"Insulation", &IW::Insulation},
    {"AddedR", &IW::AddedR},
}};

using S = TSkylightRec;
const std::array<StoredField<S>, 24> kSkylight{{
    {"SkyProduct", &S::SkyProduct},
    {"SkyFrame", &S::SkyFrame},
    {"Furnishing", &S::Furnishing},
    {"Style", &S::Style},
    {"Glass", &S::Glass},
    {"Frame", &S::Frame},
    {"ClereWallWidth", &S::ClereWallWidth},
    {"ClereEavesWidth", &S::ClereEavesWidth},
    {"ClereEavesOffset", &S::ClereEavesOffset},
    {"ClereWallHeight", &S::ClereWallHeight},
    {"WindowCode", &S::WindowCode, kProductCodeLength},
    {"ProductCode", &S::ProductCode, kProductCodeLength},
    {"Orientation", &S::Orientation, 0, 0, 7},
    {"Width", &S::Width},
    {"Height", &S::Height},
    {"Slope", &S::Slope},
    {"ShaftLength", &S::ShaftLength},
    {"OpeningPercent", &S::OpeningPercent},
    {"ShadingPercent", &S::ShadingPercent},
    {"ShaftReflectance", &S::ShaftReflectance},
    {"ShaftR", &S::ShaftR},
    {"Clerestory", &S::Clerestory},
    {"Diffuser", &S::Diffuser},
    {"Vented", &S::Vented},
}};

using St = TStairRec;
const std::array<StoredField<St>, 4> kStair{{
    {"Width", &St::Width},
    {"Length", &St::Length},
    {"Zone", &St::Zone, 0, std::numeric_limits<std::int32_t>::min(), kMaxZones},
    {"StairId", &St::StairId},
}};

using R = TRoofRec;
const std::array<StoredField<R>, 9> kRoof{{
    {"Material", &R::Material},
    {"Insulation", &R::Insulation},
    {"RoofSpace", &R::RoofSpace, 0, 0, 4},
    {"RoofShape", &R::RoofShape, 0, 0, 3},
    {"AddedR", &R::AddedR},
    {"Slope", &R::Slope},
    {"Absorptance", &R::Absorptance},
    {"RoofColour", &R::RoofColour},
    {"RoofGapCode", &R::RoofGapCode},
}};

using C = TCeilingRec;
const std::array<StoredField<C>, 6> kCeiling{{
    {"Material", &C::Material},
    {"Insulation", &C::Insulation},
    {"RoofSpace", &C::RoofSpace, 0, 0, 4},
    {"AddedR", &C::AddedR},
    {"Slope", &C::Slope},
    {"SharedZones", &C::SharedZones, 0, 0, kMaxZones},
}};

using F = TExtFloorRec;
const std::array<StoredField<F>, 9> kExtFloor{{
    {"Material", &F::Material},
    {"Insulation", &F::Insulation},
    {"FloorVentilation", &F::FloorVentilation, 0, 0, 2},
    {"FloorVentArea", &F::FloorVentArea, 0, 0, 4},
    {"FloorReflective", &F::FloorReflective},
    {"FloorCovering", &F::FloorCovering},
    {"AddedR", &F::AddedR},
    {"UnderFloorHeight", &F::UnderFloorHeight},
    {"SharedZones", &F::SharedZones, 0, 0, kMaxZones},
}};

using IC = TIntCeilingRec;
const std::array<StoredField<IC>, 2> kIntCeilingHead{{
    {"Material", &IC::Material},
    {"Insulation", &IC::Insulation},
}};
using FC = TFloorCoverRec;
const std::array<StoredField<FC>, 1> kFloorCover{{{"FloorCovering", &FC::FloorCovering}}};
const std::array<StoredField<IC>, 1> kIntCeilingTail{{{"AddedR", &IC::AddedR}}};

using O = TObstructionRec;
const std::array<StoredField<O>, 5> kObstruction{{
    {"D", &O::D},
    {"H", &O::H},
    {"L1", &O::L1},
    {"L2", &O::L2},
    {"Shading", &O::Shading, 0, 0, 100},
}};

template <class Record, std::size_t N>
std::span<const StoredField<Record>> fields(const std::array<StoredField<Record>, N>& a) {
    return a;
}

// ---- Writer ------------------------------------------------------------------------------------

// The wall slot after the last wall of a zone is written too, with what it holds; a zone of 51
// walls has no such slot, and an empty wall group stands in for it.
const TWallRec kNoWall{};
const TPlanPoint kNoPoint{};

void writeZone(ValueLineWriter& out, const HouseModel& m, int z) {
    const TZoneRec& zone = m.Zones(z);
    out.record(zone, fields(kZone));
    for (int w = 0; w <= zone.NodeCount; ++w) {
        const TWallRec& wall = w <= kMaxWallIndex ? m.Walls(z, w) : kNoWall;
        out.record(wall, fields(kWall));
        for (int i = 1; i <= wall.WindowCount; ++i) out.record(m.WallWindows(z, w, i), fields(kWindow));
        for (int i = 1; i <= wall.DoorCount; ++i) out.record(m.WallDoors(z, w, i), fields(kDoor));
    }
    for (int i = 1; i <= zone.IntWallCount; ++i) out.record(m.ZoneIntWalls(z, i), fields(kIntWall));
    for (int i = 1; i <= zone.SkylightCount; ++i) out.record(m.ZoneSkylights(z, i), fields(kSkylight));
    for (int i = 1; i <= zone.StairDownCount; ++i) out.record(m.StairsDown(z, i), fields(kStair));
    for (int i = 1; i <= zone.StairUpCount; ++i) out.record(m.StairsUp(z, i), fields(kStair));
    out.record(m.ZoneRoofs(z), fields(kRoof));
    out.record(m.ZoneCeilings(z), fields(kCeiling));
    out.record(m.ZoneExtFloors(z), fields(kExtFloor));
    out.record(m.ZoneIntCeilings(z), fields(kIntCeilingHead));
    out.record(m.ZoneFloorCovers(z), fields(kFloorCover));
    out.record(m.ZoneIntCeilings(z), fields(kIntCeilingTail));
}

} // namespace

namespace {

void writeHouse(ValueLineWriter& out, const HouseModel& m) {
    out.record(m, fields(kHeader));
    for (int i = 0; i <= m.CommentLineCount; ++i)
        out.text(i < static_cast<int>(m.CommentLines.size()) ? m.CommentLines[static_cast<std::size_t>(i)]
                                                             : "");
    out.integer(m.LevelCount);
    for (int level = 1; level <= m.LevelCount; ++level) {
        const TEavesOutline& eaves = m.Eaves(level);
        out.integer(eaves.Count);
        out.boolean(m.EavesDefined(level));
        for (int p = 0; p <= eaves.Count; ++p) {
            const TPlanPoint& point = p < kMaxEavesPoints ? eaves.Points(p) : kNoPoint;
            out.integer(point.X);
            out.integer(point.Y);
        }
    }
    for (int level = 1; level <= m.LevelCount; ++level) out.record(m.LevelPictures(level), fields(kPicture));
    out.integer(m.ZoneCount);
    for (int z = 1; z <= m.ZoneCount; ++z) writeZone(out, m, z);
    writeNewZoneOptions(out, m.NewZoneOptions);
    for (int side = 1; side <= 4; ++side)
        for (int k = 1; k <= 3; ++k) out.record(m.SiteObstructions(side)(k), fields(kObstruction));
    writeLevelDefaults(out, m.LevelDefaults);
}

} // namespace

std::string houseFileText(const HouseModel& model) {
    ValueLineWriter out;
    writeHouse(out, model);
    return out.contents();
}

void WriteHouseFile(const HouseModel& model, const std::filesystem::path& file) {
    ValueLineWriter out;
    writeHouse(out, model);
    out.save(file);
}

void WriteHouseFile(const HouseModel& model) {
    WriteHouseFile(model, model.HouseFileSaveName);
}

// ---- Reader ------------------------------------------------------------------------------------

namespace {

// Twice the signed area of the zone's outline from its walls' start points, in screen coordinates
// (y down): above 0 when the outline runs anticlockwise on the screen.
double anticlockwiseArea(const HouseModel& m, int z) {
    const int n = m.Zones(z).NodeCount;
    double s = 0.0; // px2
    for (int i = 0; i < n; ++i) {
        const TPlanPoint a = m.Walls(z, i).Start;
        const TPlanPoint b = m.Walls(z, (i + 1) % n).Start;
        s += (static_cast<double>(a.Y) + b.Y) * (static_cast<double>(b.X) - a.X);
    }
    return s;
}

// Turns an outline stored anticlockwise clockwise, as the plan editor stores every outline it closes:
// the first point stays and the others are taken in the reverse order, so wall i is the old wall
// n - 1 - i walked the other way.  Each wall keeps its record and its windows and doors, whose
// positions, measured from the wall's start, are measured from its other end now: they stay where
// they stand on the plan.  The wall and opening directions follow at the next pre-simulation pass.
void makeClockwise(HouseModel& m, int z) {
    constexpr double kFilePixelsPerMetre = 20.0; // the file's plan positions are at magnification 1
    const int n = m.Zones(z).NodeCount;
    if (n < 3 || n > kMaxNodes || anticlockwiseArea(m, z) <= 0.0) return;
    struct StoredWall {
        TWallRec wall;
        std::vector<TWindowRec> windows;
        std::vector<TDoorRec> doors;
    };
    std::vector<StoredWall> stored(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        StoredWall& w = stored[static_cast<std::size_t>(i)];
        w.wall = m.Walls(z, i);
        for (int k = 1; k <= kMaxWindowsPerWall; ++k) w.windows.push_back(m.WallWindows(z, i, k));
        for (int k = 1; k <= kMaxDoorsPerWall; ++k) w.doors.push_back(m.WallDoors(z, i, k));
    }
    for (int i = 0; i < n; ++i) {
        const int old = n - 1 - i;
        const StoredWall& from = stored[static_cast<std::size_t>(old)];
        const TPlanPoint start = stored[static_cast<std::size_t>((old + 1) % n)].wall.Start;
        const double length = Distance(start, from.wall.Start) / kFilePixelsPerMetre; // m
        TWallRec& wall = m.Walls(z, i);
        wall = from.wall;
        wall.Start = start;
        for (int k = 1; k <= kMaxWindowsPerWall; ++k) {
            TWindowRec& window = m.WallWindows(z, i, k);
            window = from.windows[static_cast<std::size_t>(k - 1)];
            if (k <= wall.WindowCount) window.Position = length - window.Position;
        }
        for (int k = 1; k <= kMaxDoorsPerWall; ++k) {
            TDoorRec& door = m.WallDoors(z, i, k);
            door = from.doors[static_cast<std::size_t>(k - 1)];
            if (k <= wall.DoorCount) door.Position = length - door.Position;
        }
    }
}

void readZone(ValueLineReader& in, HouseModel& m, int z) {
    TZoneRec& zone = m.Zones(z);
    in.record(zone, fields(kZone));
    for (int w = 0; w <= zone.NodeCount; ++w) {
        // The group after a zone's 51st wall has no slot; it is read and left.
        TWallRec spare;
        TWallRec& wall = w <= kMaxWallIndex ? m.Walls(z, w) : spare;
        in.record(wall, fields(kWall));
        for (int i = 1; i <= wall.WindowCount; ++i) {
            TWindowRec spareWindow;
            in.record(w <= kMaxWallIndex ? m.WallWindows(z, w, i) : spareWindow, fields(kWindow));
        }
        for (int i = 1; i <= wall.DoorCount; ++i) {
            TDoorRec spareDoor;
            in.record(w <= kMaxWallIndex ? m.WallDoors(z, w, i) : spareDoor, fields(kDoor));
        }
        // Mirrored doors are not stored; the pre-simulation pass fills them again.
        wall.InterzoneDoorCount = 0;
    }
    makeClockwise(m, z);
    for (int n = 0; n < zone.NodeCount; ++n) m.ZoneNodes(z, n) = m.Walls(z, n).Start;
    for (int i = 1; i <= zone.IntWallCount; ++i) in.record(m.ZoneIntWalls(z, i), fields(kIntWall));
    for (int i = 1; i <= zone.SkylightCount; ++i) in.record(m.ZoneSkylights(z, i), fields(kSkylight));
    for (int i = 1; i <= zone.StairDownCount; ++i) in.record(m.StairsDown(z, i), fields(kStair));
    for (int i = 1; i <= zone.StairUpCount; ++i) in.record(m.StairsUp(z, i), fields(kStair));
    in.record(m.ZoneRoofs(z), fields(kRoof));
    in.record(m.ZoneCeilings(z), fields(kCeiling));
    in.record(m.ZoneExtFloors(z), fields(kExtFloor));
    in.record(m.ZoneIntCeilings(z), fields(kIntCeilingHead));
    in.record(m.ZoneFloorCovers(z), fields(kFloorCover));
    in.record(m.ZoneIntCeilings(z), fields(kIntCeilingTail));
}

// The highest stairwell identifier in use, so that a new stairwell gets a fresh one.
std::int32_t lastStairId(const HouseModel& m) {
    std::int32_t last = 0;
    for (int z = 1; z <= m.ZoneCount; ++z) {
        for (int i = 1; i <= m.Zones(z).StairDownCount; ++i)
            last = std::max(last, m.StairsDown(z, i).StairId);
        for (int i = 1; i <= m.Zones(z).StairUpCount; ++i) last = std::max(last, m.StairsUp(z, i).StairId);
    }
    return last;
}

// The project name and the climate file name become parts of paths in the program folder.
void checkFileNames(const ValueLineReader& in, const HouseModel& m) {
    const struct {
        int line;
        const char* what;
        const std::string& name;
    } names[] = {{1, "project name", m.ProjectName}, {3, "climate file name", m.ClimateFileName}};
    for (const auto& n : names) {
        const std::string fault = FileNameFault(n.name);
        if (fault.empty()) continue;
        throw ModelError(in.fileName() + ", line " + std::to_string(n.line) + ": the " + n.what + " \"" +
                         common::printableExcerpt(n.name) + "\" cannot name a file: " + fault);
    }
}

// The site's position places the sun for every hour of the rating: a value off the globe is damage.
void checkSitePosition(const ValueLineReader& in, const HouseModel& m) {
    const struct {
        int line;
        const char* what;
        double degrees;
        bool onGlobe;
        const char* range;
    } values[] = {{6, "longitude", m.Longitude, common::longitudeOnGlobe(m.Longitude), "-180 to 180"},
                  {7, "latitude", m.Latitude, common::latitudeOnGlobe(m.Latitude), "-90 to 90"}};
    for (const auto& v : values) {
        if (v.onGlobe) continue;
        char degrees[48];
        std::snprintf(degrees, sizeof degrees, "%g", v.degrees);
        throw ModelError(in.fileName() + ", line " + std::to_string(v.line) + ": the " + v.what + " " +
                         degrees + " lies outside " + v.range + " degrees");
    }
}

// Characters 7 and 8 of "climatNN.TXT" give the climate zone.
void setClimateZone(ValueLineReader& in, HouseModel& m) {
    const std::string& name = m.ClimateFileName;
    if (name.empty()) return;
    const bool digits = name.size() >= 8 && std::isdigit(static_cast<unsigned char>(name[6])) &&
                        std::isdigit(static_cast<unsigned char>(name[7]));
    if (!digits) {
        throw ModelError(in.fileName() + ", line 3: climate file name \"" + common::printableExcerpt(name) +
                         "\" does not hold the climate zone in its characters 7 and 8");
    }
    m.ClimateZone = (name[6] - '0') * 10 + (name[7] - '0');
}

void readInto(ValueLineReader& in, HouseModel& m) {
    in.record(m, fields(kHeader));
    checkFileNames(in, m);
    checkSitePosition(in, m);
    std::vector<std::string> comment;
    for (int i = 0; i <= m.CommentLineCount; ++i) comment.push_back(in.text());
    // The last comment line is normally the empty one past the end of the text.
    if (!comment.empty() && comment.back().empty()) comment.pop_back();
    m.CommentLines = std::move(comment);

    m.LevelCount = in.integer("LevelCount", 1, kMaxLevels);
    for (int level = 1; level <= m.LevelCount; ++level) {
        TEavesOutline& eaves = m.Eaves(level);
        eaves.Count = in.integer("eaves Count", 0, kMaxEavesPoints);
        m.EavesDefined(level) = in.boolean();
        for (int p = 0; p <= eaves.Count; ++p) {
            TPlanPoint point;
            point.X = in.integer("eaves point X", 0, kPlanLimitPixels);
            point.Y = in.integer("eaves point Y", 0, kPlanLimitPixels);
            if (p >= kMaxEavesPoints) continue; // the slot after a 51st point does not exist
            eaves.Points(p) = point;
            m.EavesNodes(level, p) = point;
        }
    }
    for (int level = 1; level <= m.LevelCount; ++level) in.record(m.LevelPictures(level), fields(kPicture));
    m.ZoneCount = in.integer("ZoneCount", 0, kMaxZones);
    for (int z = 1; z <= m.ZoneCount; ++z) readZone(in, m, z);
    readNewZoneOptions(in, m.NewZoneOptions);
    for (int side = 1; side <= 4; ++side)
        for (int k = 1; k <= 3; ++k) in.record(m.SiteObstructions(side)(k), fields(kObstruction));
    readLevelDefaults(in, m.LevelDefaults);
    // A slab on ground above level 1 (a floor drawn with a default that offered one) is read as the
    // suspended slab that is simulated there.
    SuspendSlabsAboveGround(m);

    m.LastStairId = lastStairId(m);
    setClimateZone(in, m);
    m.Magnification = 1.0;
}

} // namespace

void ReadHouseFile(HouseModel& model, const std::filesystem::path& file) {
    ValueLineReader in = ValueLineReader::open(file);
    auto fresh = std::make_unique<HouseModel>(model);
    readInto(in, *fresh);
    model = std::move(*fresh);
}

void ReadHouseFile(HouseModel& model) {
    ReadHouseFile(model, model.HouseFileOpenName);
}

} // namespace pelmora
