#include "data/climate/location_map.h"

#include "common/rounding.h"
#include "common/text_values.h"

#include <cmath>
#include <sstream>
#include <stdexcept>

namespace climate {

const std::array<Rgb, 69> kClimateZoneColours{{
    {221, 114, 34},  {255, 6, 6},     {32, 156, 10},   {253, 216, 2},   {0, 0, 111},     {230, 107, 89},
    {255, 43, 43},   {255, 102, 102}, {233, 54, 85},   {0, 0, 151},     {60, 255, 60},   {128, 128, 64},
    {253, 253, 0},   {141, 141, 146}, {34, 155, 28},   {0, 0, 166},     {151, 151, 0},   {176, 0, 176},
    {255, 223, 223}, {138, 185, 236}, {240, 253, 0},   {255, 179, 64},  {101, 83, 172},  {128, 128, 255},
    {185, 239, 255}, {240, 232, 255}, {182, 210, 19},  {132, 132, 0},   {232, 232, 0},   {238, 253, 117},
    {250, 36, 5},    {241, 179, 64},  {183, 0, 198},   {251, 251, 251}, {255, 79, 255},  {128, 255, 0},
    {48, 217, 39},   {234, 0, 0},     {49, 55, 255},   {0, 0, 164},     {0, 170, 0},     {255, 255, 9},
    {0, 183, 14},    {43, 238, 238},  {255, 94, 174},  {240, 255, 108}, {240, 222, 2},   {48, 216, 39},
    {240, 140, 149}, {223, 255, 108}, {253, 222, 2},   {183, 3, 198},   {129, 254, 46},  {168, 0, 84},
    {223, 0, 0},     {255, 255, 34},  {160, 0, 164},   {39, 194, 12},   {253, 119, 129}, {224, 232, 255},
    {183, 0, 200},   {255, 185, 64},  {255, 255, 108}, {243, 129, 1},   {186, 36, 5},    {16, 255, 0},
    {40, 155, 28},   {48, 216, 55},   {240, 248, 1},
}};

namespace {

constexpr Rgb kSea{196, 222, 242};
constexpr Rgb kLand{238, 231, 206};
constexpr Rgb kCoast{92, 110, 128};
constexpr Rgb kBorder{168, 146, 118};

constexpr double kLeftLongitude = 113.07; // degrees east at x = 0
constexpr double kTopLatitude = -10.0;    // degrees at y = 0
constexpr double kPixelsPerDegree = 15.0;

bool insideOutline(const std::vector<GeoPoint>& outline, double lon, double lat) {
    bool inside = false;
    for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        const GeoPoint& a = outline[i];
        const GeoPoint& b = outline[j];
        if ((a.latitude > lat) != (b.latitude > lat) &&
            lon < (b.longitude - a.longitude) * (lat - a.latitude) / (b.latitude - a.latitude) + a.longitude)
            inside = !inside;
    }
    return inside;
}

void plotLine(std::vector<Rgb>& pixels, Pixel a, Pixel b, Rgb colour) {
    long long dx = std::llabs(b.x - a.x), dy = -std::llabs(b.y - a.y);
    const long long sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    long long err = dx + dy;
    for (;;) {
        if (a.x >= 0 && a.x < kMapWidth && a.y >= 0 && a.y < kMapHeight)
            pixels[a.y * kMapWidth + a.x] = colour;
        if (a.x == b.x && a.y == b.y) return;
        const long long e2 = 2 * err;
        if (e2 >= dy) err += dy, a.x += sx;
        if (e2 <= dx) err += dx, a.y += sy;
    }
}

void appendLittleEndian(std::string& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

} // namespace

MapOutlines readMapOutlines(const std::filesystem::path& file) {
    const auto lines = common::readTextLines(file);
    MapOutlines outlines;
    std::vector<GeoPoint>* current = nullptr;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::istringstream in(lines[i]);
        std::string first;
        if (!(in >> first) || first[0] == '#') continue;
        auto fail = [&](const std::string& why) {
            throw std::runtime_error(file.string() + " line " + std::to_string(i + 1) + ": " + why);
        };
        if (first == "land" || first == "border") {
            auto& list = first == "land" ? outlines.land : outlines.borders;
            list.emplace_back();
            current = &list.back();
            continue;
        }
        std::string second;
        in >> second;
        const auto lon = common::parseReal(first);
        const auto lat = common::parseReal(second);
        if (!lon || !lat) fail("expected a longitude and a latitude");
        if (!current) fail("a point before the first \"land\" or \"border\" line");
        current->push_back({*lon, *lat});
    }
    for (const auto& outline : outlines.land)
        if (outline.size() < 3)
            throw std::runtime_error(file.string() + ": a land outline needs three points");
    return outlines;
}

Pixel projectToMap(GeoPoint p) {
    return {common::roundHalfEvenToInt((p.longitude - kLeftLongitude) * kPixelsPerDegree),
            common::roundHalfEvenToInt((-p.latitude + kTopLatitude) * kPixelsPerDegree)};
}

std::vector<Rgb> drawLocationMap(const MapOutlines& outlines) {
    std::vector<Rgb> pixels(static_cast<std::size_t>(kMapWidth) * kMapHeight, kSea);
    for (int y = 0; y < kMapHeight; ++y) {
        const double lat = kTopLatitude - (y + 0.5) / kPixelsPerDegree;
        for (int x = 0; x < kMapWidth; ++x) {
            const double lon = kLeftLongitude + (x + 0.5) / kPixelsPerDegree;
            for (const auto& outline : outlines.land)
                if (insideOutline(outline, lon, lat)) pixels[y * kMapWidth + x] = kLand;
        }
    }
    // The coast: land pixels next to the sea.
    std::vector<Rgb> drawn = pixels;
    for (int y = 0; y < kMapHeight; ++y)
        for (int x = 0; x < kMapWidth; ++x) {
            if (!(pixels[y * kMapWidth + x] == kLand)) continue;
            const bool coast = (x > 0 && pixels[y * kMapWidth + x - 1] == kSea) ||
                               (x + 1 < kMapWidth && pixels[y * kMapWidth + x + 1] == kSea) ||
                               (y > 0 && pixels[(y - 1) * kMapWidth + x] == kSea) ||
                               (y + 1 < kMapHeight && pixels[(y + 1) * kMapWidth + x] == kSea);
            if (coast) drawn[y * kMapWidth + x] = kCoast;
        }
    for (const auto& border : outlines.borders)
        for (std::size_t i = 1; i < border.size(); ++i)
            plotLine(drawn, projectToMap(border[i - 1]), projectToMap(border[i]), kBorder);
    return drawn;
}

std::string bmpBytes(const std::vector<Rgb>& pixels, int width, int height) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const std::uint32_t imageBytes =
        static_cast<std::uint32_t>(rowBytes) * static_cast<std::uint32_t>(height);
    std::string out;
    out += "BM";
    appendLittleEndian(out, 54 + imageBytes, 4); // file size
    appendLittleEndian(out, 0, 4);               // reserved
    appendLittleEndian(out, 54, 4);              // offset of the pixels
    appendLittleEndian(out, 40, 4);              // size of the information header
    appendLittleEndian(out, static_cast<std::uint32_t>(width), 4);
    appendLittleEndian(out, static_cast<std::uint32_t>(height), 4); // positive: rows bottom-up
    appendLittleEndian(out, 1, 2);                                  // planes
    appendLittleEndian(out, 24, 2);                                 // bits a pixel
    appendLittleEndian(out, 0, 4);                                  // no compression
    appendLittleEndian(out, imageBytes, 4);
    appendLittleEndian(out, 2835, 4); // 72 dots an inch
    appendLittleEndian(out, 2835, 4);
    appendLittleEndian(out, 0, 4);
    appendLittleEndian(out, 0, 4);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Rgb& p = pixels[static_cast<std::size_t>(y) * width + x];
            out.push_back(static_cast<char>(p.blue));
            out.push_back(static_cast<char>(p.green));
            out.push_back(static_cast<char>(p.red));
        }
        out.append(static_cast<std::size_t>(rowBytes - width * 3), '\0');
    }
    return out;
}

} // namespace climate
