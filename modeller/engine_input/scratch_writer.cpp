#include "modeller/engine_input/scratch_writer.h"

#include "common/file_lookup.h"
#include "common/rounding.h"
#include "common/text_values.h"
#include "modeller/engine_input/construction_sections.h"
#include "modeller/engine_input/project_cards.h"
#include "modeller/engine_input/zone_writers.h"

#include <cmath>
#include <ctime>
#include <numbers>

namespace pelmora {

namespace {

constexpr std::array<ConstructionKindInfo, kConstructionKindCount> kKinds{{
    {0, 10, " Window   ", "window glazing system"},
    {10, 10, " Skylight ", "skylight glazing system"},
    // Section 30 is the fixed floor-space wall, so the external walls have nine places.
    {20, 9, " External Wall  ", "external wall"},
    {30, 10, " Roof  ", "roof"},
    // Section 50 is the fixed floor on earth, so these floors have nine places.
    {40, 9, " External Floor  ", "external floor over a very open space"},
    {50, 10, " External Floor  ", "external floor over an open or enclosed space"},
    {60, 10, " Reverse External Ceiling  ", "external ceiling"},
    {70, 10, " Internal Floor  ", "floor between levels"},
    {80, 10, " Reverse External Floor  ", "external floor"},
    {90, 10, " External Ceiling  ", "external ceiling"},
    {100, 10, " Internal Ceiling  ", "floor between levels"},
    {110, 10, " InterZone Wall  ", "wall between zones"},
    {140, 15, " IntraZone Wall  ", "internal wall"},
    {155, 10, " Floor to neighbour ", "floor to a neighbour"},
    {170, 10, " Ceiling to neighbour ", "ceiling to a neighbour"},
    {185, 10, " External Wall  ", "wall to a neighbour"},
}};

// The card file's end of line.
constexpr std::string_view kLineEnd = "\r\n";

// Closes the material tables however the writing ends.
class TablesOpen {
  public:
    explicit TablesOpen(MaterialTables& tables) : tables_(tables) { OpenMaterialTables(tables_); }
    TablesOpen(const TablesOpen&) = delete;
    TablesOpen& operator=(const TablesOpen&) = delete;
    ~TablesOpen() { CloseMaterialTables(tables_); }

  private:
    MaterialTables& tables_;
};

std::string SkylightText(const HouseModel& model, int zone, int skylight) {
    return ZoneText(model, zone) + ", skylight " + std::to_string(skylight);
}

std::string WindowText(const HouseModel& model, int zone, int wall, int window) {
    return WallText(model, zone, wall) + ", window " + std::to_string(window);
}

} // namespace

const ConstructionKindInfo& KindInfo(ConstructionKind kind) {
    return kKinds[static_cast<std::size_t>(kind)];
}

void SeekElementRecord(MaterialTable& table, int record, const std::string& element) {
    if (record < 1 || record > table.RecordCount()) {
        throw ScratchError(element + ": record " + std::to_string(record) + " of the table " +
                           table.TableName() + " does not exist");
    }
    table.SetRecNo(record);
}

std::string ZoneText(const HouseModel& model, int zone) {
    return "zone " + std::to_string(zone) + " (" + model.Zones(zone).Name + ")";
}

std::string WallText(const HouseModel& model, int zone, int wall) {
    return ZoneText(model, zone) + ", wall " + std::to_string(wall);
}

std::string TodayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[16];
    const std::size_t n = std::strftime(buffer, sizeof buffer, "%d/%m/%Y", &local);
    return std::string(buffer, n);
}

std::string ScratchText(const Scratch& scratch) {
    std::string text;
    for (const std::string& line : scratch.Lines) {
        text += line;
        text += kLineEnd;
    }
    return text;
}

void WriteScratchFile(Scratch& scratch) {
    scratch.Lines.clear();
    {
        TablesOpen open(scratch.tables);
        ReadOccupancyFile(scratch); // the gains and set-points of the site's climate zone
        CheckEngineZoneCount(scratch);
        WriteProjectData(scratch);
        WriteConstructionData(scratch);
        WriteZoneData(scratch);
        GroupFloorSpaces(scratch);
        WriteFloorSpaces(scratch);
        GroupRoofSpaces(scratch);
        WriteRoofSpaces(scratch);
        scratch.Card(std::string(kEndCard));
    }
    const std::filesystem::path file = common::resolveForWriting(scratch.model.RootDir, kScratchFileName);
    common::writeFileAtomically(file, ScratchText(scratch));
    if (scratch.LoadTextIntoViewer) scratch.LoadTextIntoViewer(file);
}

void SetSkylightAzimuth(Scratch& scratch, int zone, int skylight) {
    HouseModel& model = scratch.model;
    TSkylightRec& rec = model.ZoneSkylights(zone, skylight);
    const double plan = rec.Orientation == 0 ? 360.0 : 45.0 * rec.Orientation; // degrees
    double azimuth = common::roundHalfEven(plan - model.NorthAngle * 180.0 / std::numbers::pi);
    if (azimuth >= 360.0) azimuth -= 360.0;
    if (azimuth < 0.0) azimuth += 360.0;
    rec.SkyAzimuth = azimuth;
}

double ZoneVolume(const Scratch& scratch, int zone) {
    const HouseModel& model = scratch.model;
    double heightTimesLength = 0.0; // m2
    double length = 0.0;            // m
    for (int w = 0; w < model.Zones(zone).NodeCount; ++w) {
        const TWallRec& wall = model.Walls(zone, w);
        const double height = wall.AdjZone != 0 ? wall.PartHeight : wall.ExtHeight; // m
        heightTimesLength += height * wall.Length;
        length += wall.Length;
    }
    if (length == 0.0) return 0.0;
    return model.Zones(zone).FloorArea * heightTimesLength / length;
}

namespace {

template <class Products>
bool FindProduct(const Products& products, int last, const std::string& code, std::int32_t& index) {
    for (int i = 1; i <= last; ++i) {
        if (products(i).ProductCode == code) {
            index = i;
            return true;
        }
    }
    return false;
}

[[noreturn]] void MissingProduct(const std::string& element, std::string_view library,
                                 const std::string& code) {
    throw ScratchError(element + ": the product code \"" + code + "\" is in no entry of the " +
                       std::string(library) + " product library");
}

} // namespace

bool FindWindowProduct(Scratch& scratch, int zone, int wall, int window) {
    const HouseModel& model = scratch.model;
    return FindProduct(model.WindowProducts, kMaxWindowProducts,
                       model.WallWindows(zone, wall, window).ProductCode, scratch.WriterWindowProduct);
}

bool FindClerestoryProduct(Scratch& scratch, int zone, int skylight) {
    const HouseModel& model = scratch.model;
    return FindProduct(model.WindowProducts, kMaxWindowProducts,
                       model.ZoneSkylights(zone, skylight).WindowCode, scratch.WriterWindowProduct);
}

bool FindSkylightProduct(Scratch& scratch, int zone, int skylight) {
    const HouseModel& model = scratch.model;
    return FindProduct(model.SkylightProducts, kMaxSkylightProducts,
                       model.ZoneSkylights(zone, skylight).ProductCode, scratch.buffers.SkylightProductIndex);
}

void RequireWindowProduct(Scratch& scratch, int zone, int wall, int window) {
    if (FindWindowProduct(scratch, zone, wall, window)) return;
    MissingProduct(WindowText(scratch.model, zone, wall, window), "window",
                   scratch.model.WallWindows(zone, wall, window).ProductCode);
}

void RequireClerestoryProduct(Scratch& scratch, int zone, int skylight) {
    if (FindClerestoryProduct(scratch, zone, skylight)) return;
    MissingProduct(SkylightText(scratch.model, zone, skylight) + " (clerestory)", "window",
                   scratch.model.ZoneSkylights(zone, skylight).WindowCode);
}

void RequireSkylightProduct(Scratch& scratch, int zone, int skylight) {
    if (FindSkylightProduct(scratch, zone, skylight)) return;
    MissingProduct(SkylightText(scratch.model, zone, skylight), "skylight",
                   scratch.model.ZoneSkylights(zone, skylight).ProductCode);
}

int SectionNumber(const Scratch& scratch, ConstructionKind kind, std::string_view layers,
                  std::string_view element) {
    const int position = scratch.List(kind).Position(layers);
    if (position < 0) {
        const std::string who = element.empty() ? scratch.Element : std::string(element);
        throw ScratchError(who + ": its " + std::string(KindInfo(kind).what) +
                           " construction is not among the building sections written");
    }
    return KindInfo(kind).base + position;
}

} // namespace pelmora
