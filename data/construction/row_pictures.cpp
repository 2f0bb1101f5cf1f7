#include "data/construction/row_pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace construction {

namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xffffff;
constexpr std::uint32_t kGreyLine = 0x606060;

// 3 x 5 glyphs, one row per 3 bits, top row first.
constexpr std::array<std::array<int, 5>, 11> kGlyphs{{
    {7, 5, 5, 5, 7},
    {2, 6, 2, 2, 7},
    {7, 1, 7, 4, 7},
    {7, 1, 7, 1, 7},
    {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7},
    {7, 4, 7, 5, 7},
    {7, 1, 1, 1, 1},
    {7, 5, 7, 5, 7},
    {7, 5, 7, 1, 7},
    {0, 0, 7, 0, 0}, // '-'
}};

std::uint32_t parseColour(const std::string& hex) {
    if (hex.size() != 6 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        throw std::invalid_argument("picture colour \"" + hex + "\" is not six hex digits");
    return static_cast<std::uint32_t>(std::strtoul(hex.c_str(), nullptr, 16));
}

std::uint32_t darker(std::uint32_t c) {
    const auto scale = [](std::uint32_t v) { return v * 3 / 5; };
    return scale(c >> 16 & 0xff) << 16 | scale(c >> 8 & 0xff) << 8 | scale(c & 0xff);
}

void brick(Picture& p, std::uint32_t a, std::uint32_t b) {
    p.fill(0, 0, 47, 31, b);
    for (int row = 0; row < 4; ++row) {
        const int y = row * 8;
        const int shift = row % 2 ? 8 : 0;
        for (int x = -16 + shift; x < 48; x += 16) p.fill(x + 1, y + 1, x + 14, y + 6, a);
    }
}

void block(Picture& p, std::uint32_t a, std::uint32_t b) {
    p.fill(0, 0, 47, 31, b);
    for (int row = 0; row < 2; ++row) {
        const int shift = row % 2 ? 12 : 0;
        for (int x = -24 + shift; x < 48; x += 24) {
            p.fill(x + 1, row * 16 + 1, x + 22, row * 16 + 14, a);
            p.frame(x + 5, row * 16 + 4, x + 10, row * 16 + 11, b);
            p.frame(x + 13, row * 16 + 4, x + 18, row * 16 + 11, b);
        }
    }
}

void boards(Picture& p, std::uint32_t a, std::uint32_t b) {
    p.fill(0, 0, 47, 31, a);
    for (int y = 0; y < 32; y += 6) {
        p.horizontal(0, 47, y, darker(a));
        p.horizontal(0, 47, y + 1, b);
    }
}

void hatch(Picture& p, std::uint32_t a, std::uint32_t b) {
    p.fill(0, 0, 47, 31, a);
    for (int x = -32; x < 48; x += 6) p.line(x, 31, x + 31, 0, b);
}

void corrugated(Picture& p, std::uint32_t a, std::uint32_t b) {
    p.fill(0, 0, 47, 31, a);
    for (int x = 0; x < 48; ++x) {
        const int y = 16 + static_cast<int>(std::lround(4 * std::sin(x * 0.5)));
        p.vertical(x, y, y + 1, darker(a));
        if (x % 8 == 0) p.vertical(x, 0, 31, b);
    }
}

void batts(Picture& p, std::uint32_t a, std::uint32_t b) {
    p.fill(0, 0, 47, 31, a);
    for (int x = 0; x < 48; ++x)
        for (int k = 0; k < 3; ++k) {
            const int y = 6 + k * 10 + static_cast<int>(std::lround(3 * std::sin(x * 0.4 + k)));
            p.set(x, y, b);
        }
}

void foil(Picture& p, std::uint32_t a, std::uint32_t b) {
    p.fill(0, 0, 47, 31, kWhite);
    p.fill(0, 13, 47, 18, a);
    p.horizontal(0, 47, 13, b);
    p.horizontal(0, 47, 18, b);
    for (int x = 2; x < 48; x += 5) p.set(x, 15, kWhite);
}

void dots(Picture& p, std::uint32_t a, std::uint32_t b) {
    p.fill(0, 0, 47, 31, a);
    for (int y = 2; y < 32; y += 5)
        for (int x = (y / 5 % 2) * 2 + 1; x < 48; x += 4) p.set(x, y, b);
}

void panes(Picture& p, std::uint32_t glass, std::uint32_t frame, int count) {
    p.fill(0, 0, 47, 31, glass);
    p.frame(0, 0, 47, 31, frame);
    p.frame(1, 1, 46, 30, frame);
    for (int k = 0; k < count; ++k) p.vertical(18 + k * 6, 3, 28, darker(glass));
    p.line(6, 26, 14, 6, kWhite);
}

void door(Picture& p, std::uint32_t a, std::uint32_t b) {
    p.fill(0, 0, 47, 31, kWhite);
    p.fill(14, 1, 33, 31, a);
    p.frame(14, 1, 33, 31, b);
    p.frame(17, 4, 30, 14, b);
    p.frame(17, 18, 30, 28, b);
    p.fill(29, 16, 31, 17, b);
}

void styleOutline(Picture& p, std::uint32_t frame, std::uint32_t glass) {
    p.fill(0, 0, 47, 31, glass);
    p.frame(0, 0, 47, 31, frame);
}

void drawPattern(Picture& p, const std::string& pattern, std::uint32_t a, std::uint32_t b) {
    if (pattern == "none") {
        p.fill(0, 0, 47, 31, a);
        p.frame(0, 0, 47, 31, b);
    } else if (pattern == "solid" || pattern == "sheet" || pattern == "slab") {
        p.fill(0, 0, 47, 31, a);
        if (pattern != "solid") p.fill(0, 22, 47, 31, b);
        if (pattern == "slab")
            for (int x = 1; x < 48; x += 7) p.set(x, 8 + x % 11, darker(a));
    } else if (pattern == "brick")
        brick(p, a, b);
    else if (pattern == "block")
        block(p, a, b);
    else if (pattern == "boards")
        boards(p, a, b);
    else if (pattern == "hatch")
        hatch(p, a, b);
    else if (pattern == "corrugated")
        corrugated(p, a, b);
    else if (pattern == "batts")
        batts(p, a, b);
    else if (pattern == "foil")
        foil(p, a, b);
    else if (pattern == "foilbatts") {
        batts(p, a, darker(a));
        p.fill(0, 0, 47, 4, b);
    } else if (pattern == "dots" || pattern == "carpet")
        dots(p, a, b);
    else if (pattern == "tiles" || pattern == "rooftiles") {
        p.fill(0, 0, 47, 31, a);
        for (int y = 0; y < 32; y += pattern == "tiles" ? 12 : 8) p.horizontal(0, 47, y, b);
        for (int x = 0; x < 48; x += 12) p.vertical(x, 0, 31, b);
    } else if (pattern == "stud" || pattern == "joists") {
        p.fill(0, 0, 47, 31, kWhite);
        p.fill(0, 0, 47, 3, a);
        p.fill(0, 28, 47, 31, a);
        for (int x = 6; x < 48; x += 16) p.fill(x, 4, x + 4, 27, b);
    } else if (pattern == "sandwich") {
        dots(p, b, darker(b));
        p.fill(0, 0, 47, 3, a);
        p.fill(0, 28, 47, 31, a);
    } else if (pattern == "door")
        door(p, a, b);
    else if (pattern == "panes1" || pattern == "panes2" || pattern == "panes3")
        panes(p, a, b, pattern.back() - '0');
    else if (pattern == "style_sliding") {
        styleOutline(p, a, b);
        p.vertical(24, 0, 31, a);
        p.line(28, 16, 40, 16, a);
        p.line(36, 12, 40, 16, a);
        p.line(36, 20, 40, 16, a);
    } else if (pattern == "style_awning") {
        styleOutline(p, a, b);
        p.line(2, 30, 24, 2, a);
        p.line(24, 2, 45, 30, a);
    } else if (pattern == "style_casement") {
        styleOutline(p, a, b);
        p.line(2, 2, 45, 16, a);
        p.line(45, 16, 2, 30, a);
    } else if (pattern == "style_hung") {
        styleOutline(p, a, b);
        p.horizontal(0, 47, 16, a);
        p.line(24, 20, 24, 28, a);
    } else if (pattern == "style_louvre") {
        styleOutline(p, a, b);
        for (int y = 4; y < 30; y += 5) p.line(3, y + 2, 44, y, a);
    } else if (pattern == "curtain") {
        p.fill(0, 0, 47, 31, b);
        for (int x = 0; x < 48; ++x)
            if (x % 6 < 4) p.vertical(x, 0, 31, a);
    } else if (pattern == "blind") {
        p.fill(0, 0, 47, 31, a);
        for (int y = 2; y < 32; y += 4) p.horizontal(0, 47, y, b);
    } else if (pattern == "calendar") {
        p.fill(0, 0, 47, 31, a);
        for (int x = 0; x < 48; x += 8) p.vertical(x, 4, 31, b);
        for (int y = 4; y < 32; y += 7) p.horizontal(0, 47, y, b);
        p.fill(0, 0, 47, 3, b);
    } else if (pattern == "awning") {
        p.fill(0, 0, 47, 31, b);
        for (int x = 0; x < 48; x += 8) p.fill(x, 0, x + 3, 12, a);
        p.fill(8, 14, 39, 31, 0xc0d8e8);
    } else if (pattern == "skylight" || pattern == "tube") {
        p.fill(0, 0, 47, 31, kWhite);
        if (pattern == "tube")
            p.fill(18, 8, 29, 31, b);
        else
            p.fill(10, 8, 37, 31, b);
        p.fill(8, 3, 39, 8, a);
    } else
        throw std::invalid_argument("unknown picture pattern \"" + pattern + "\"");
}

} // namespace

Picture::Picture(int width, int height, std::uint32_t background)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), background) {}

void Picture::set(int x, int y, std::uint32_t colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y * width_ + x)] = colour;
}

void Picture::fill(int x0, int y0, int x1, int y1, std::uint32_t colour) {
    for (int y = std::max(y0, 0); y <= std::min(y1, height_ - 1); ++y)
        for (int x = std::max(x0, 0); x <= std::min(x1, width_ - 1); ++x) set(x, y, colour);
}

void Picture::horizontal(int x0, int x1, int y, std::uint32_t colour) {
    fill(x0, y, x1, y, colour);
}
void Picture::vertical(int x, int y0, int y1, std::uint32_t colour) {
    fill(x, y0, x, y1, colour);
}

void Picture::line(int x0, int y0, int x1, int y1, std::uint32_t colour) {
    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int i = 0; i <= steps; ++i) {
        const double t = steps == 0 ? 0.0 : static_cast<double>(i) / steps;
        set(static_cast<int>(std::lround(x0 + t * (x1 - x0))),
            static_cast<int>(std::lround(y0 + t * (y1 - y0))), colour);
    }
}

void Picture::frame(int x0, int y0, int x1, int y1, std::uint32_t colour) {
    horizontal(x0, x1, y0, colour);
    horizontal(x0, x1, y1, colour);
    vertical(x0, y0, y1, colour);
    vertical(x1, y0, y1, colour);
}

void Picture::text(int x, int y, const std::string& digits, std::uint32_t colour) {
    for (char c : digits) {
        const std::size_t glyph = c == '-' ? 10 : static_cast<std::size_t>(c - '0');
        if (glyph > 10) throw std::invalid_argument("the chart font has digits and '-' only");
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                if (kGlyphs[glyph][static_cast<std::size_t>(row)] >> (2 - col) & 1)
                    set(x + col, y + row, colour);
        x += 4;
    }
}

std::vector<std::uint8_t> Picture::bmp() const {
    const int rowBytes = (width_ * 3 + 3) / 4 * 4;
    const int imageBytes = rowBytes * height_;
    const int fileBytes = 54 + imageBytes;
    std::vector<std::uint8_t> out;
    const auto put = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i) & 0xff));
    };
    out.push_back('B');
    out.push_back('M');
    put(static_cast<std::uint32_t>(fileBytes), 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(static_cast<std::uint32_t>(width_), 4);
    put(static_cast<std::uint32_t>(height_), 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(static_cast<std::uint32_t>(imageBytes), 4);
    put(2835, 4); // 72 dots per inch
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    for (int y = height_ - 1; y >= 0; --y) {
        for (int x = 0; x < width_; ++x) put(pixels_[static_cast<std::size_t>(y * width_ + x)], 3);
        for (int pad = width_ * 3; pad < rowBytes; ++pad) out.push_back(0);
    }
    return out;
}

Picture rowPicture(const std::string& recipe) {
    std::istringstream in(recipe);
    std::string pattern, first, second;
    if (!(in >> pattern >> first >> second))
        throw std::invalid_argument("picture recipe \"" + recipe + "\" is not a pattern and two colours");
    Picture p(kRowPictureWidth, kRowPictureHeight, kWhite);
    drawPattern(p, pattern, parseColour(first), parseColour(second));
    return p;
}

Picture sunChartGrid() {
    constexpr int kLeft = 20, kRight = 740, kTop = 20, kBottom = 200;
    constexpr std::uint32_t kMinor = 0xd8d8d8, kMajor = 0xa0a0a0;
    Picture p(766, 400, kWhite);
    for (int azimuth = -180; azimuth <= 180; azimuth += 10) {
        const int x = (azimuth + 180) * 2 + kLeft;
        p.vertical(x, kTop, kBottom, azimuth % 30 == 0 ? kMajor : kMinor);
        if (azimuth % 30 == 0) {
            const std::string label = std::to_string(azimuth);
            p.text(x - static_cast<int>(label.size()) * 2 + 1, kBottom + 5, label, kGreyLine);
        }
    }
    for (int altitude = 0; altitude <= 90; altitude += 10) {
        const int y = (90 - altitude) * 2 + kTop;
        p.horizontal(kLeft, kRight, y, altitude % 30 == 0 ? kMajor : kMinor);
        const std::string label = std::to_string(altitude);
        p.text(kLeft - 4 - static_cast<int>(label.size()) * 4, y - 2, label, kGreyLine);
    }
    p.frame(kLeft, kTop, kRight, kBottom, kBlack);
    p.vertical(kLeft + 360, kTop, kBottom, kGreyLine); // azimuth 0
    return p;
}

} // namespace construction
