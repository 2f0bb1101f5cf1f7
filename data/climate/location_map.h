// The map picture of the location dialog: 624 × 513 pixels, 15 pixels per degree, longitude
// 113.07 east on the left edge and latitude 10 south on the top edge, drawn from the coastline
// and border outlines of data/climate/coastline.txt and written as a 24-bit BMP.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace climate {

inline constexpr int kMapWidth = 624;  // pixels
inline constexpr int kMapHeight = 513; // pixels

struct GeoPoint {
    double longitude; // degrees east
    double latitude;  // degrees, south negative
};

struct MapOutlines {
    std::vector<std::vector<GeoPoint>> land;    // closed outlines of land
    std::vector<std::vector<GeoPoint>> borders; // open lines between states
};

struct Rgb {
    std::uint8_t red, green, blue;
    bool operator==(const Rgb&) const = default;
};

// The climate zone colours of the location dialog, zone n at index n - 1.  The picture uses none
// of them, so that a pixel of a zone colour on the dialog is always a zone mark.
extern const std::array<Rgb, 69> kClimateZoneColours;

// Reads outlines: "land <name>" or "border <name>" starts a line; each further line holds one
// longitude and latitude.  Throws std::runtime_error naming the file and line of a fault.
MapOutlines readMapOutlines(const std::filesystem::path& file);

// Pixel of a position, as the dialog projects it (halves to even).
struct Pixel {
    long long x, y;
};
Pixel projectToMap(GeoPoint p);

// The picture, rows from the top; sea, land, coast and borders in four colours of their own.
std::vector<Rgb> drawLocationMap(const MapOutlines& outlines);

// The picture as the bytes of a BMP file (bottom-up rows, 24 bits a pixel).
std::string bmpBytes(const std::vector<Rgb>& pixels, int width, int height);

} // namespace climate
