// The window and skylight product libraries (VORTwindows.txt, VORTskylights.txt) and the glazing
// libraries the engine reads (VORTwindows.VWG, VORTskylights.VSG), built together from the glazing
// sources so that every product code has its glazing record.
#pragma once

#include "data/construction/glazing_optics.h"

#include <filesystem>
#include <string>
#include <vector>

namespace construction {

struct WindowGlazing {
    std::string key;
    int row = 0; // row of Windowglass.DB, 0 when the glazing is only a product's
    Layup layup;
    std::string description;
    GlazingProperties properties;
};

struct Frame {
    int row = 0;
    double frameU = 0;        // W/m2K
    double glassFraction = 0; // glazed share of the opening
    std::string description;
};

struct SkylightGlazing {
    std::string key;
    int row = 0;  // row of Skylight.DB, 0 when only a product's
    int kind = 0; // 1 light well with a rectangular shaft, 2 with a circular tube
    Layup layup;
    double diffuserU = 0; // W/m2K
    double diffuserT = 0; // solar transmittance of the diffuser
    std::string description;
    GlazingProperties properties;
};

struct WindowProduct {
    std::string code, maker, brand, product;
    std::size_t glazing = 0; // index into windowGlazings
    double frameU = 0, glassFraction = 0;
};

struct SkylightProduct {
    std::string code, name;
    std::size_t glazing = 0; // index into skylightGlazings
    double frameU = 0, glassFraction = 0;
};

struct GlazingCatalogue {
    std::vector<WindowGlazing> windowGlazings; // rows of Windowglass.DB first, in row order
    std::vector<Frame> windowFrames;           // rows of Windowframe.DB
    std::vector<SkylightGlazing> skylightGlazings;
    std::vector<Frame> skylightFrames;             // rows of SkyFrame.DB
    std::vector<WindowProduct> windowProducts;     // the 60 generic windows, then the products
    std::vector<SkylightProduct> skylightProducts; // the 10 generic skylights, then the products
};

// The generic window code of glass row g (1..15) and frame row r (1..4): "GGG-05-0" + NN + "a" with
// NN = (g - 1) x 4 + r; the generic skylight code of skylight row s (1..5) and frame row f (1 or 2).
std::string genericWindowCode(int glassRow, int frameRow);
std::string genericSkylightCode(int skylightRow, int frameRow);

// Reads glass_panes.txt, window_glazings.txt, window_frames.txt, window_products.txt,
// skylights.txt, skylight_frames.txt and skylight_products.txt from the source folder and computes
// every glazing.  Throws SourceError for a malformed source, an unknown pane or glazing, a table
// row out of sequence, or a code used twice.
GlazingCatalogue readGlazingCatalogue(const std::filesystem::path& sourceFolder);

// Writes the four library files into the given folder (the program folder's Data/WindowData).
void writeGlazingLibraries(const GlazingCatalogue& catalogue, const std::filesystem::path& folder);

} // namespace construction
