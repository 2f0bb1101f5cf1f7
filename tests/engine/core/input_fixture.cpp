#include "input_fixture.h"

#include <fstream>
#include <functional>
#include <unistd.h>

#include "common/framed_records.h"
#include "engine/core/main_program.h"

namespace engine::testing {

std::string card(std::string_view format, std::vector<fw::Value> values) {
    const auto lines = fw::writeFormatted(fw::parseFormat(format), values, fw::Overflow::Refuse);
    return lines.empty() ? std::string() : lines.front();
}

void writeMaterialFile(const std::filesystem::path& file, const std::vector<Material>& materials) {
    common::RecordWriter writer(file);
    common::Record header;
    header.putText("MATERIAL FILE OF THE TESTS", 40);
    writer.write(header);
    writer.write(header);
    for (const Material& m : materials) {
        common::Record r;
        r.put<std::int32_t>(m.code);
        r.putText(m.name, 60);
        r.putText("text one", 15);
        r.putText("text two", 15);
        r.put<float>(m.p1);
        r.put<float>(m.p2);
        r.put<float>(m.p3);
        r.putText(std::string(1, m.flag), 1);
        writer.write(r);
    }
    common::Record end;
    end.put<std::int32_t>(-1);
    writer.write(end);
    writer.close();
}

namespace {
void putFloats(common::RecordWriter& writer, const float* values, std::size_t count) {
    common::Record r;
    for (std::size_t i = 0; i < count; ++i) r.put<float>(values[i]);
    writer.write(r);
}
} // namespace

void writeWindowLibrary(const std::filesystem::path& file, const std::vector<WindowSystem>& systems) {
    common::RecordWriter writer(file);
    for (const WindowSystem& s : systems) {
        common::Record header;
        header.putText(s.code, 11);
        header.put<std::int32_t>(s.n);
        header.putText(s.description, 80);
        writer.write(header);
        putFloats(writer, s.first.data(), s.first.size());
        putFloats(writer, s.glayb.data(), s.glayb.size());
        putFloats(writer, s.glayc.data(), s.glayc.size());
        putFloats(writer, s.gangle.data(), s.gangle.size());
        for (const auto& layer : s.layers) putFloats(writer, layer.data(), layer.size());
    }
    writer.close();
}

void writeSkylightLibrary(const std::filesystem::path& file, const std::vector<SkylightSystem>& systems) {
    common::RecordWriter writer(file);
    for (const SkylightSystem& s : systems) {
        common::Record header;
        header.putText(s.code, 11);
        header.putText(s.description, 80);
        writer.write(header);
        putFloats(writer, &s.u, 1);
        putFloats(writer, s.tau.data(), s.tau.size());
        const float p[2] = {s.p1, s.p2};
        putFloats(writer, p, 2);
    }
    writer.close();
}

std::string climateLine(int month, int day, int hour, double tair, double moisture, double wind,
                        int direction, int cloud, double diffuse, double direct) {
    return card("(A4,3I2,F4.1,F3.1,4X,F3.1,I2,I1,10X,F3.0,F4.0)",
                {std::string("9999"), static_cast<long long>(month), static_cast<long long>(day),
                 static_cast<long long>(hour), tair, moisture, wind, static_cast<long long>(direction),
                 static_cast<long long>(cloud), diffuse, direct});
}

std::vector<std::string> climateYear(const std::function<std::string(int month, int day, int hour)>& line,
                                     bool leap) {
    std::vector<std::string> lines;
    for (int month = 1; month <= 12; ++month) {
        const int days = month == 2 && !leap ? 28 : engine::daysInMonth(month);
        for (int day = 1; day <= days; ++day)
            for (int hour = 0; hour < 24; ++hour) lines.push_back(line(month, day, hour));
    }
    return lines;
}

void EngineRun::SetUp() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // Short enough for the 120 columns of the path fields of the card file.
    const std::size_t key =
        std::hash<std::string>{}(std::string(info->test_suite_name()) + "." + info->name());
    dir_ = std::filesystem::temp_directory_path() /
           ("ei_" + std::to_string(::getpid()) + "_" + std::to_string(key % 100000000));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    console_.str("");
    console_.clear();
    state_ = std::make_unique<EngineState>();
    state_->workdir = dir_;
    state_->console = &console_;
    setTimeConstants(*state_);
}

void EngineRun::TearDown() {
    state_->unit10.close();
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

void EngineRun::writeText(std::string_view name, const std::vector<std::string>& lines) const {
    std::ofstream out(dir_ / name, std::ios::binary);
    for (const std::string& line : lines) out << line << "\r\n";
}

std::string EngineRun::fileText(std::string_view name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::string text, line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        text += line + "\n";
    }
    return text;
}

std::vector<Material> standardMaterials() {
    return {{100, "Brick", 1500.0f, 1.0f, 0.0f, 'Y'},       {200, "Air space", 0.0f, 0.17f, 0.15f, 'N'},
            {300, "Timber frame", 600.0f, 5.0f, 5.0f, 'y'}, {903, "Inside film", 0.0f, 0.12f, 0.0f, 'N'},
            {906, "Outside film", 0.0f, 0.04f, 0.0f, 'N'},  {907, "Window film", 0.0f, 0.16f, 0.0f, 'N'},
            {916, "Floor film", 0.0f, 0.10f, 0.0f, 'N'}};
}

void EngineRun::writeStandardData() const {
    writeMaterialFile(file("matdata.bin"), standardMaterials());
    WindowSystem other{"OTHER-02",
                       2,
                       "Double glazing",
                       {2.9f, 0.84f, 0.84f, 20.0f, 8.0f, 1.0f},
                       {0.05f, 0.17f, 0.12f},
                       {0.004f, 0.004f},
                       {},
                       {{}, {}}};
    WindowSystem single{"GGG-05-001a",
                        1,
                        "Clear single glazing",
                        {5.8f, 0.84f, 0.84f, 20.0f, 8.0f, 0.87f},
                        {0.05f, 0.12f},
                        {0.003f},
                        {},
                        {{}}};
    for (int i = 0; i < 10; ++i) {
        single.gangle[static_cast<std::size_t>(i)] = 0.8f - 0.05f * static_cast<float>(i);
        single.layers[0][static_cast<std::size_t>(i)] = 0.1f + 0.01f * static_cast<float>(i);
    }
    writeWindowLibrary(file("WINDOWS.VWG"), {other, single});
    SkylightSystem sky{"GEN-04-001a", "Generic skylight", 4.0f, {}, 2.5f, 0.6f};
    for (int i = 0; i < 10; ++i) sky.tau[static_cast<std::size_t>(i)] = 0.7f - 0.05f * static_cast<float>(i);
    writeSkylightLibrary(file("SKY.VSG"), {sky});
    writeText("climat01.TXT",
              climateYear([](int m, int d, int h) { return climateLine(m, d, h, 10.0 + h / 2.0); }));
}

std::vector<std::string> EngineRun::projectCards() const {
    const std::string folder = dir_.string() + "/";
    return {
        "C Project data",
        card("(A2,I3,3X,A36,A10,A12,I4,10I1)",
             {std::string(" 1"), 1LL, std::string("Test house"), std::string("10/12/2026"), std::string(""),
              2026LL, 0LL, 0LL, 0LL, 0LL, 0LL, 0LL, 0LL, 0LL, 0LL, 0LL}),
        card("(A2,I3,3X,A120)", {std::string(" 1"), 2LL, folder + "climat01.TXT"}),
        card("(A2,I3,3X,3F6.1)", {std::string(" 1"), 3LL, -34.5, 151.2, 150.0}),
        card("(A2,I3,I3,A120)", {std::string(" 1"), 4LL, 1LL, folder + "WINDOWS.VWG"}),
        card("(A2,I3,I3,A120)", {std::string(" 1"), 5LL, 1LL, folder + "WINDOWS.VWG"}),
        card("(A2,I3,I3,A120)", {std::string(" 1"), 6LL, 1LL, folder + "SKY.VSG"}),
        card("(A2,I3,3X,A120)", {std::string(" 1"), 7LL, std::string("output.txt")}),
        card("(A2,I3,3X,A120)", {std::string(" 1"), 9LL, folder + "test1.TEM"}),
        card("(A2,I3,3X,A120)", {std::string(" 1"), 10LL, std::string("energy.txt")}),
        card("(A2,I3,2X,A1,A120)", {std::string(" 1"), 11LL, std::string(" "), std::string("airflow.txt")}),
        card("(A2,I3,3X,11F8.3)",
             {std::string(" 1"), 12LL, 100.0, 100.0, 0.001, 0.01, 0.2, 5.0, 100.0, 0.1, 100.0, 0.001, 0.2}),
        card("(A2,I3,I3,8F6.2)", {std::string(" 1"), 13LL, 7LL, 0.6, 0.4, -0.3, -0.5, -0.4, -0.5, -0.3, 0.4}),
        card("(A2,I3,3X,F6.2)", {std::string(" 1"), 14LL, 0.85}),
        card("(A2,I3,3X,8F6.1)", {std::string(" 1"), 15LL, 0.2, 120.0, 44.0, 0.0, 0.0, 0.0, 0.0, 100.0}),
        card("(A2,I3,3X,5F6.1)", {std::string(" 1"), 23LL, 10.0, 0.0, -99.0, 0.0, 0.0}),
        card("(A2,I3,3X,2F6.1)", {std::string(" 1"), 26LL, 3.0, 2.5}),
    };
}

std::string zoneCardLine(int z, int c, const std::vector<double>& fields) {
    std::vector<fw::Value> values = {std::string(" 3"), static_cast<long long>(z), static_cast<long long>(c)};
    for (double f : fields) values.emplace_back(f);
    const std::string format =
        fields.empty() ? "(A2,2I3)" : "(A2,2I3," + std::to_string(fields.size()) + "F6.2)";
    return card(format, values);
}

std::string zoneDefinition(int z, std::string_view name, double volume, std::string_view type, double a,
                           const std::vector<double>& tail, int outputFlag) {
    return card("(A2,2I3,A15,4F6.2,A6,4F6.2,I6)",
                {std::string(" 3"), static_cast<long long>(z), 0LL, std::string(name), volume, a, 0.0, 0.5,
                 std::string(type), tail.at(0), tail.at(1), tail.at(2), tail.at(3),
                 static_cast<long long>(outputFlag)});
}

int EngineRun::run() {
    return runInput(*state_);
}

} // namespace engine::testing
