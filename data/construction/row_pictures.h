// Pictures of the shipped data: the small picture of every material table row (a section or face of
// the construction drawn from a named pattern and two colours) and the sun chart's background grid.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace construction {

// A 24-bit picture; pixels are 0xRRGGBB, row 0 at the top.
class Picture {
  public:
    Picture(int width, int height, std::uint32_t background);
    int width() const { return width_; }
    int height() const { return height_; }
    void set(int x, int y, std::uint32_t colour);
    void fill(int x0, int y0, int x1, int y1, std::uint32_t colour); // inclusive corners, clipped
    void horizontal(int x0, int x1, int y, std::uint32_t colour);
    void vertical(int x, int y0, int y1, std::uint32_t colour);
    void line(int x0, int y0, int x1, int y1, std::uint32_t colour);
    void frame(int x0, int y0, int x1, int y1, std::uint32_t colour);
    // Digits and "-" in a 3 x 5 pixel font, top left at (x, y).
    void text(int x, int y, const std::string& digits, std::uint32_t colour);
    // The picture as the bytes of a BMP file (bottom-up rows, each padded to 4 bytes).
    std::vector<std::uint8_t> bmp() const;

  private:
    int width_, height_;
    std::vector<std::uint32_t> pixels_;
};

constexpr int kRowPictureWidth = 48;
constexpr int kRowPictureHeight = 32;

// The picture of a table row from its recipe "pattern colour1 colour2" (colours as RRGGBB hex).
// Throws std::invalid_argument for an unknown pattern or a malformed colour.
Picture rowPicture(const std::string& recipe);

// The sun chart's background: 766 x 400, azimuth -180..180 degrees at x = 20..740 and altitude
// 90..0 degrees at y = 20..200 (2 pixels per degree), lines every 10 degrees, labels every 30
// degrees of azimuth and 10 degrees of altitude.
Picture sunChartGrid();

} // namespace construction
