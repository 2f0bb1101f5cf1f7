#include "data/construction/glazing_libraries.h"

#include "common/fixed_width.h"
#include "common/framed_records.h"
#include "common/text_values.h"
#include "data/construction/source_tables.h"

#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>

namespace construction {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kCodeWidth = 11;
constexpr std::size_t kDescriptionWidth = 80;
constexpr int kGenericGlassRows = 15;
constexpr int kGenericFrameRows = 4;
constexpr int kGenericSkylightRows = 5;
constexpr int kGenericSkylightFrameRows = 2;

// Line 6 of a window product: column 1 the pane count, then from column 9 eleven fields of eight
// columns: solar transmittance, outside solar reflectance, shading coefficient, outside and inside
// emittance, visible and ultraviolet transmittance, outside and inside film coefficients, glass
// U-value and glass solar heat gain coefficient.
const char* const kWindowValuesFormat = "(I1,7X,11F8.4)";
// Line 2 of a skylight product: glass U-value, frame U-value, glass fraction; line 4 the glass
// solar heat gain coefficient.
const char* const kSkylightValuesFormat = "(3F8.3)";
const char* const kSkylightFourthFormat = "(F8.4)";
// A clear 3 mm pane's solar heat gain coefficient, the reference of the shading coefficient.
constexpr double kReferenceShgc = 0.87;

std::map<std::string, Pane> readPanes(const fs::path& file) {
    const SourceTable t = readSourceTable(file, 12);
    std::map<std::string, Pane> panes;
    for (const SourceRow& row : t.rows) {
        Pane p;
        p.name = t.text(row, 0);
        p.thickness = t.real(row, 1);
        p.conductivity = t.real(row, 2);
        p.solarT = t.real(row, 3);
        p.solarRFront = t.real(row, 4);
        p.solarRBack = t.real(row, 5);
        p.visibleT = t.real(row, 6);
        p.visibleR = t.real(row, 7);
        p.ultravioletT = t.real(row, 8);
        p.emittanceFront = t.real(row, 9);
        p.emittanceBack = t.real(row, 10);
        p.description = t.text(row, 11);
        if (p.thickness <= 0 || p.conductivity <= 0)
            t.fail(row, "pane thickness and conductivity must be positive");
        if (p.solarT + std::max(p.solarRFront, p.solarRBack) > 1.0)
            t.fail(row, "transmittance and reflectance exceed 1");
        if (!panes.emplace(p.name, p).second) t.fail(row, "pane " + p.name + " twice");
    }
    return panes;
}

Layup parseLayup(const SourceTable& t, const SourceRow& row, std::size_t field,
                 const std::map<std::string, Pane>& panes) {
    std::istringstream in(t.text(row, field));
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    Layup layup;
    for (std::size_t i = 0; i < words.size(); i += 3) {
        std::string name = words[i];
        const bool turned = name.size() > 2 && name.ends_with("/r");
        if (turned) name.resize(name.size() - 2);
        const auto pane = panes.find(name);
        if (pane == panes.end()) t.fail(row, "unknown pane " + name);
        layup.panes.push_back(turned ? pane->second.reversed() : pane->second);
        if (i + 1 == words.size()) break;
        if (i + 2 >= words.size()) t.fail(row, "a gas space needs a width and a gas");
        const auto width = common::parseReal(words[i + 1]);
        if (!width || *width <= 0)
            t.fail(row, "gas space width " + words[i + 1] + " is not a positive number");
        const std::string& gas = words[i + 2];
        if (gas != "air" && gas != "argon") t.fail(row, "gas " + gas + " is neither air nor argon");
        layup.spaces.push_back({*width, gas == "argon" ? Gas::Argon : Gas::Air});
        if (i + 3 >= words.size()) t.fail(row, "a gas space must be followed by a pane");
    }
    if (layup.panes.empty() || layup.panes.size() > static_cast<std::size_t>(kMaxPanes))
        t.fail(row, "a glazing has one to three panes");
    return layup;
}

// Rows of a table must run 1, 2, 3 ... in the source; rows given as 0 belong to no table.
void checkRowSequence(const SourceTable& t, const SourceRow& row, int rowNumber, int& lastRow) {
    if (rowNumber == 0) return;
    if (rowNumber != lastRow + 1) t.fail(row, "table row " + std::to_string(rowNumber) + " out of sequence");
    lastRow = rowNumber;
}

std::vector<Frame> readFrames(const fs::path& file) {
    const SourceTable t = readSourceTable(file, 4);
    std::vector<Frame> frames;
    int last = 0;
    for (const SourceRow& row : t.rows) {
        Frame f{t.integer(row, 0), t.real(row, 1), t.real(row, 2), t.text(row, 3)};
        checkRowSequence(t, row, f.row, last);
        if (f.row == 0) t.fail(row, "a frame needs its table row");
        frames.push_back(f);
    }
    return frames;
}

std::size_t findKey(const SourceTable& t, const SourceRow& row,
                    const std::map<std::string, std::size_t>& keys, const std::string& key) {
    const auto found = keys.find(key);
    if (found == keys.end()) t.fail(row, "unknown glazing " + key);
    return found->second;
}

std::string twoDigits(int n) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d", n);
    return buffer;
}

std::string joined(const std::vector<double>& values, const char* format) {
    std::string line;
    char buffer[32];
    for (double v : values) {
        std::snprintf(buffer, sizeof buffer, format, v);
        if (!line.empty()) line += ' ';
        line += buffer;
    }
    return line;
}

std::string formattedLine(const char* format, const std::vector<fw::Value>& values) {
    return fw::writeFormatted(fw::parseFormat(format), values, fw::Overflow::Refuse).at(0);
}

std::string padded(const std::string& text, std::size_t width) {
    std::string out = text.substr(0, width);
    out.resize(width, ' ');
    return out;
}

void writeWindowProductFile(const GlazingCatalogue& c, const fs::path& file) {
    common::TextFileWriter out;
    for (const WindowProduct& p : c.windowProducts) {
        const WindowGlazing& w = c.windowGlazings[p.glazing];
        const GlazingProperties& g = w.properties;
        out.line(padded(p.code, kCodeWidth) + "  " + w.description);
        out.line("Frame U " + joined({p.frameU}, "%.2f") + " W/m2K, glass fraction " +
                 joined({p.glassFraction}, "%.2f"));
        out.line(p.maker);
        out.line(p.brand);
        out.line(p.product);
        out.line(
            formattedLine(kWindowValuesFormat,
                          {fw::Value{static_cast<long long>(g.paneCount)}, g.transmittance[0],
                           g.solarReflectance, g.shgc / kReferenceShgc, g.emittanceOutside, g.emittanceInside,
                           g.visibleT, g.ultravioletT, g.filmOutside, g.filmInside, g.centreU, g.shgc}));
        out.line(joined({p.frameU, p.glassFraction}, "%.3f"));
        out.line("Solar transmittance, then each pane's absorptance, at incidence 0 10 20 30 40 50 60 70 80 "
                 "90 degrees");
        out.line(joined({g.transmittance.begin(), g.transmittance.end()}, "%.4f"));
        for (int k = 0; k < g.paneCount; ++k)
            out.line(joined({g.absorptance[k].begin(), g.absorptance[k].end()}, "%.4f"));
    }
    out.save(file);
}

void writeSkylightProductFile(const GlazingCatalogue& c, const fs::path& file) {
    common::TextFileWriter out;
    for (const SkylightProduct& p : c.skylightProducts) {
        const SkylightGlazing& s = c.skylightGlazings[p.glazing];
        const GlazingProperties& g = s.properties;
        out.line(padded(p.code, kCodeWidth) + " " + std::to_string(g.paneCount) + " " +
                 std::to_string(s.kind) + " " + p.name);
        out.line(formattedLine(kSkylightValuesFormat, {g.centreU, p.frameU, p.glassFraction}));
        out.line(
            "Glass U-value, frame U-value and glass fraction above; glass solar heat gain coefficient below");
        out.line(formattedLine(kSkylightFourthFormat, {g.shgc}));
    }
    out.save(file);
}

common::Record reals(const std::vector<double>& values) {
    common::Record r;
    for (double v : values) r.put<float>(static_cast<float>(v));
    return r;
}

void writeWindowGlazingLibrary(const GlazingCatalogue& c, const fs::path& file) {
    common::RecordWriter out(file);
    for (const WindowProduct& p : c.windowProducts) {
        const WindowGlazing& w = c.windowGlazings[p.glazing];
        const GlazingProperties& g = w.properties;
        common::Record header;
        header.putText(p.code, kCodeWidth);
        header.put<std::int32_t>(g.paneCount);
        header.putText(p.brand + ", " + p.product, kDescriptionWidth);
        out.write(header);
        out.write(
            reals({g.centreU, g.emittanceOutside, g.emittanceInside, g.filmOutside, g.filmInside, g.shgc}));
        out.write(reals(g.nodeResistances));
        out.write(reals(g.paneResistances));
        out.write(reals({g.transmittance.begin(), g.transmittance.end()}));
        for (int k = 0; k < g.paneCount; ++k)
            out.write(reals({g.absorptance[k].begin(), g.absorptance[k].end()}));
    }
    out.close();
}

void writeSkylightGlazingLibrary(const GlazingCatalogue& c, const fs::path& file) {
    common::RecordWriter out(file);
    for (const SkylightProduct& p : c.skylightProducts) {
        const SkylightGlazing& s = c.skylightGlazings[p.glazing];
        common::Record header;
        header.putText(p.code, kCodeWidth);
        header.putText(p.name, kDescriptionWidth);
        out.write(header);
        out.write(reals({s.properties.centreU}));
        out.write(reals({s.properties.transmittance.begin(), s.properties.transmittance.end()}));
        out.write(reals({s.diffuserU, s.diffuserT}));
    }
    out.close();
}

void readWindowGlazings(const fs::path& folder, const std::map<std::string, Pane>& panes, GlazingCatalogue& c,
                        std::map<std::string, std::size_t>& keys) {
    const SourceTable t = readSourceTable(folder / "window_glazings.txt", 4);
    int last = 0;
    for (const SourceRow& row : t.rows) {
        WindowGlazing w;
        w.key = t.text(row, 0);
        w.row = t.integer(row, 1);
        checkRowSequence(t, row, w.row, last);
        w.layup = parseLayup(t, row, 2, panes);
        w.description = t.text(row, 3);
        w.properties = glazingProperties(w.layup, Orientation::Vertical);
        if (!keys.emplace(w.key, c.windowGlazings.size()).second) t.fail(row, "glazing " + w.key + " twice");
        c.windowGlazings.push_back(std::move(w));
    }
    if (last != kGenericGlassRows)
        throw SourceError(t.file.string() + ": the window glass table needs 15 rows");
}

void readSkylightGlazings(const fs::path& folder, const std::map<std::string, Pane>& panes,
                          GlazingCatalogue& c, std::map<std::string, std::size_t>& keys) {
    const SourceTable t = readSourceTable(folder / "skylights.txt", 7);
    int last = 0;
    for (const SourceRow& row : t.rows) {
        SkylightGlazing s;
        s.key = t.text(row, 0);
        s.row = t.integer(row, 1);
        checkRowSequence(t, row, s.row, last);
        s.kind = t.integer(row, 2);
        if (s.kind != 1 && s.kind != 2) t.fail(row, "a skylight is of kind 1 or 2");
        s.layup = parseLayup(t, row, 3, panes);
        s.diffuserU = t.real(row, 4);
        s.diffuserT = t.real(row, 5);
        s.description = t.text(row, 6);
        s.properties = glazingProperties(s.layup, Orientation::Horizontal);
        if (!keys.emplace(s.key, c.skylightGlazings.size()).second)
            t.fail(row, "skylight " + s.key + " twice");
        c.skylightGlazings.push_back(std::move(s));
    }
    if (last != kGenericSkylightRows)
        throw SourceError(t.file.string() + ": the skylight table needs 5 rows");
}

void addGenericProducts(GlazingCatalogue& c) {
    for (int g = 1; g <= kGenericGlassRows; ++g)
        for (int r = 1; r <= kGenericFrameRows; ++r) {
            const Frame& f = c.windowFrames.at(static_cast<std::size_t>(r - 1));
            const auto glazing = static_cast<std::size_t>(g - 1);
            c.windowProducts.push_back({genericWindowCode(g, r), "Generic",
                                        c.windowGlazings[glazing].description, f.description + " frame",
                                        glazing, f.frameU, f.glassFraction});
        }
    for (int n = 1; n <= 2 * kGenericSkylightRows; ++n) {
        const int row = (n - 1) % kGenericSkylightRows + 1;
        const int frameRow = n <= kGenericSkylightRows ? 2 : 1;
        const Frame& f = c.skylightFrames.at(static_cast<std::size_t>(frameRow - 1));
        const auto glazing = static_cast<std::size_t>(row - 1);
        c.skylightProducts.push_back({genericSkylightCode(row, frameRow),
                                      c.skylightGlazings[glazing].description + ", " + f.description, glazing,
                                      f.frameU, f.glassFraction});
    }
}

void readProducts(const fs::path& folder, GlazingCatalogue& c,
                  const std::map<std::string, std::size_t>& windowKeys,
                  const std::map<std::string, std::size_t>& skylightKeys) {
    const SourceTable w = readSourceTable(folder / "window_products.txt", 7);
    for (const SourceRow& row : w.rows)
        c.windowProducts.push_back({w.text(row, 0), w.text(row, 1), w.text(row, 2), w.text(row, 3),
                                    findKey(w, row, windowKeys, w.text(row, 4)), w.real(row, 5),
                                    w.real(row, 6)});
    const SourceTable s = readSourceTable(folder / "skylight_products.txt", 5);
    for (const SourceRow& row : s.rows)
        c.skylightProducts.push_back({s.text(row, 0), s.text(row, 4),
                                      findKey(s, row, skylightKeys, s.text(row, 1)), s.real(row, 2),
                                      s.real(row, 3)});
}

template <class Product> void checkCodes(const std::vector<Product>& products, const char* library) {
    std::set<std::string> codes;
    for (const Product& p : products) {
        if (p.code.size() != kCodeWidth)
            throw SourceError(std::string(library) + ": product code \"" + p.code +
                              "\" is not 11 characters");
        if (!codes.insert(p.code).second)
            throw SourceError(std::string(library) + ": product code " + p.code + " twice");
    }
}

} // namespace

std::string genericWindowCode(int glassRow, int frameRow) {
    return "GGG-05-0" + twoDigits((glassRow - 1) * kGenericFrameRows + frameRow) + "a";
}

std::string genericSkylightCode(int skylightRow, int frameRow) {
    const int n = frameRow == 2 ? skylightRow : skylightRow + kGenericSkylightRows;
    return "GEN-04-0" + twoDigits(n) + "a";
}

GlazingCatalogue readGlazingCatalogue(const fs::path& folder) {
    GlazingCatalogue c;
    const auto panes = readPanes(folder / "glass_panes.txt");
    std::map<std::string, std::size_t> windowKeys, skylightKeys;
    readWindowGlazings(folder, panes, c, windowKeys);
    readSkylightGlazings(folder, panes, c, skylightKeys);
    c.windowFrames = readFrames(folder / "window_frames.txt");
    c.skylightFrames = readFrames(folder / "skylight_frames.txt");
    if (c.windowFrames.size() != kGenericFrameRows || c.skylightFrames.size() != kGenericSkylightFrameRows)
        throw SourceError("the window frame table needs 4 rows and the skylight frame table 2");
    addGenericProducts(c);
    readProducts(folder, c, windowKeys, skylightKeys);
    checkCodes(c.windowProducts, "window products");
    checkCodes(c.skylightProducts, "skylight products");
    return c;
}

void writeGlazingLibraries(const GlazingCatalogue& c, const fs::path& folder) {
    writeWindowProductFile(c, folder / "VORTwindows.txt");
    writeSkylightProductFile(c, folder / "VORTskylights.txt");
    writeWindowGlazingLibrary(c, folder / "VORTwindows.VWG");
    writeSkylightGlazingLibrary(c, folder / "VORTskylights.VSG");
}

} // namespace construction
