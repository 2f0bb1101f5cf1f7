// Reading the occupancy file as a stream of values, line by line.
#include "modeller/model/occupancy_file.h"

#include "common/file_lookup.h"
#include "common/text_values.h"
#include "modeller/model/model_error.h"

#include <cctype>
#include <charconv>
#include <exception>
#include <vector>

namespace pelmora {
namespace {

constexpr std::string_view kOccupantFolder = "Data/Occupant";
constexpr int kValuesPerProfileLine = 12;

// A cursor over the file's lines that reads as a text-file reader of the original program does:
// values skip blanks and line ends before them, and NextLine drops the rest of the current line.
class ValueStream {
  public:
    ValueStream(std::filesystem::path file, std::vector<std::string> lines)
        : file_(std::move(file)), lines_(std::move(lines)) {}

    // Drops the rest of the current line and moves to the start of the next one.
    void NextLine() {
        ++line_;
        column_ = 0;
    }

    double Real() {
        const std::string_view token = Token();
        if (const auto value = common::parseReal(token)) return *value;
        Fail("a number was expected, not \"" + std::string(token) + "\"");
    }

    int Integer() {
        const std::string_view token = Token();
        int value = 0;
        const char* first = token.data() + (token.front() == '+' ? 1 : 0);
        const char* last = token.data() + token.size();
        const auto [end, error] = std::from_chars(first, last, value);
        if (error == std::errc() && end == last && first != last) return value;
        Fail("a whole number was expected, not \"" + std::string(token) + "\"");
    }

  private:
    // The next blank-separated piece of text, on this line or a later one.  A file that ends before
    // it is an error naming the line the value was to come from: a missing value read as 0 would give
    // the zones 0 °C set-points and no gains, and a rating that looks sound.
    std::string_view Token() {
        const std::size_t expectedLine = line_;
        while (line_ < lines_.size()) {
            const std::string& text = lines_[line_];
            while (column_ < text.size() && std::isspace(static_cast<unsigned char>(text[column_])))
                ++column_;
            if (column_ < text.size()) break;
            ++line_;
            column_ = 0;
        }
        if (line_ >= lines_.size()) {
            line_ = expectedLine;
            Fail("no value is left to read: the values of the file stand on its first " +
                 std::to_string(kOccupancyLinesRead) + " lines");
        }
        const std::string& text = lines_[line_];
        const std::size_t start = column_;
        while (column_ < text.size() && !std::isspace(static_cast<unsigned char>(text[column_]))) ++column_;
        return std::string_view(text).substr(start, column_ - start);
    }

    [[noreturn]] void Fail(const std::string& what) const {
        throw ModelError("Cannot read the occupancy file " + file_.string() + ", line " +
                         std::to_string(line_ + 1) + ": " + what);
    }

    std::filesystem::path file_;
    std::vector<std::string> lines_;
    std::size_t line_ = 0;   // 0-based
    std::size_t column_ = 0; // 0-based
};

ValueStream OpenStream(const std::filesystem::path& file) {
    std::vector<std::string> lines;
    try {
        lines = common::readTextLines(file);
    } catch (const std::exception&) {
        throw ModelError("Cannot open the occupancy file " + file.string());
    }
    if (lines.size() > kOccupancyLinesRead) lines.resize(kOccupancyLinesRead);
    return ValueStream(file, std::move(lines));
}

void ReadProfile(ValueStream& in, TOccupantProfiles& profiles, int profile) {
    for (int half = 0; half < 2; ++half) {
        for (int i = 1; i <= kValuesPerProfileLine; ++i)
            profiles(profile, half * kValuesPerProfileLine + i) = in.Real();
        in.NextLine();
    }
}

double ReadRealLine(ValueStream& in) {
    const double value = in.Real();
    in.NextLine();
    return value;
}

int ReadIntegerLine(ValueStream& in) {
    const int value = in.Integer();
    in.NextLine();
    return value;
}

TOccupancyControlSet ReadControlSet(ValueStream& in) {
    TOccupancyControlSet set;
    set.CoveringClosingHour = ReadIntegerLine(in);
    set.CoveringOpeningHour = ReadIntegerLine(in);
    set.CoveringDrawingTemperature = ReadRealLine(in);
    set.CoveringDrawingSolar = ReadRealLine(in);
    set.BlindDrawingTemperature = ReadRealLine(in);
    set.BlindDrawingSolar = ReadRealLine(in);
    set.VentilationOnHour = ReadIntegerLine(in);
    set.VentilationOffHour = ReadIntegerLine(in);
    set.VentilationOnTemperature = ReadRealLine(in);
    set.VentilationOffTemperature = ReadRealLine(in);
    set.Unused = ReadRealLine(in);
    return set;
}

void SkipLines(ValueStream& in, int count) {
    for (int i = 0; i < count; ++i) in.NextLine();
}

} // namespace

std::filesystem::path OccupancyFilePath(const HouseModel& model) {
    constexpr std::size_t kClimateNumberAt = 6; // characters 7 and 8 of "climatNN.TXT"
    if (model.ClimateFileName.size() < kClimateNumberAt + 2)
        throw ModelError("No climate file is chosen, so no occupancy file can be read");
    const std::string name = "OCCUP" + model.ClimateFileName.substr(kClimateNumberAt, 2) + ".DAT";
    const std::filesystem::path folder = model.RootDir;
    const std::string relative = std::string(kOccupantFolder) + "/" + name;
    if (const auto found = common::findCaseInsensitive(folder, relative)) return *found;
    return folder / relative;
}

TOccupancyData ReadOccupancyData(const std::filesystem::path& file) {
    ValueStream in = OpenStream(file);
    TOccupancyData data;
    using namespace occupancy_profile;
    SkipLines(in, 1);                                 // line 1, title
    data.DayControls = ReadControlSet(in);            // lines 2-12
    ReadProfile(in, data.Profiles, 1);                // 13-14
    ReadProfile(in, data.Profiles, kKitchenLatent);   // 15-16
    ReadProfile(in, data.Profiles, kDayHeating);      // 17-18
    ReadProfile(in, data.Profiles, kDayCooling);      // 19-20
    data.Line21 = ReadRealLine(in);                   // 21
    data.SleepingControls = ReadControlSet(in);       // 22-32
    ReadProfile(in, data.Profiles, 2);                // 33-34
    ReadProfile(in, data.Profiles, 9);                // 35-36
    ReadProfile(in, data.Profiles, kSleepingHeating); // 37-38
    ReadProfile(in, data.Profiles, kSleepingCooling); // 39-40
    data.Line41 = ReadRealLine(in);                   // 41
    for (int profile = kKitchenSensible; profile <= kSleepingOccupants; ++profile)
        ReadProfile(in, data.Profiles, profile); // 42-51
    return data;
}

void ReadOccupancyProfiles(const HouseModel& model, TOccupantProfiles& profiles) {
    ValueStream in = OpenStream(OccupancyFilePath(model));
    TOccupantProfiles read = profiles;
    using namespace occupancy_profile;
    SkipLines(in, 12);
    for (int profile : {1, kKitchenLatent, kDayHeating, kDayCooling}) ReadProfile(in, read, profile);
    SkipLines(in, 12);
    for (int profile : {2, 9, kSleepingHeating, kSleepingCooling}) ReadProfile(in, read, profile);
    SkipLines(in, 1);
    for (int profile = kKitchenSensible; profile <= kSleepingOccupants; ++profile)
        ReadProfile(in, read, profile);
    profiles = read;
}

} // namespace pelmora
