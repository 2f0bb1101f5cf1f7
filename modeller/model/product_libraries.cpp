#include "modeller/model/product_libraries.h"

#include "common/control_characters.h"
#include "common/file_lookup.h"
#include "common/fixed_width.h"
#include "common/text_values.h"
#include "common/value_range.h"
#include "modeller/model/model_error.h"

#include <array>
#include <filesystem>

namespace pelmora {

std::string TrimTrailingBlanks(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    if (last == std::string_view::npos) return std::string(text);
    return std::string(text.substr(0, last + 1));
}

namespace {

// The physically possible range of a product value.  A value outside it is damage to the file: a
// window of more than all glass, or with a frame that gives heat back, would be rated as if sound.
using common::numberText;
using common::ValueRange;

// Walks through a library file line by line and names the file and line in every error.
class LineReader {
  public:
    LineReader(const std::vector<std::string>& lines, const std::string& fileName)
        : lines_(lines), fileName_(fileName) {}

    // True when only blank lines are left (blank lines after the last record are allowed).
    bool atEnd() const {
        for (std::size_t i = next_; i < lines_.size(); ++i)
            if (lines_[i].find_first_not_of(" \t\r") != std::string::npos) return false;
        return true;
    }

    const std::string& take() {
        if (next_ >= lines_.size()) fail("the file ends inside a product record", next_ + 1);
        return lines_[next_++];
    }
    int lineNumber() const { return static_cast<int>(next_); } // of the line taken last

    [[noreturn]] void fail(const std::string& what, std::size_t line) const {
        throw ModelError(fileName_ + ", line " + std::to_string(line) + ": " + what);
    }
    [[noreturn]] void fail(const std::string& what) const { fail(what, next_); }

    // `count` reals separated by blanks at the start of the next line; the rest of the line is ignored.
    template <std::size_t N> std::array<double, N> reals() {
        const std::string& line = take();
        std::array<double, N> values{};
        std::size_t pos = 0;
        for (std::size_t k = 0; k < N; ++k) {
            pos = line.find_first_not_of(" \t\r", pos);
            if (pos == std::string::npos)
                fail(std::to_string(N) + " numbers expected, " + std::to_string(k) + " found");
            const std::size_t end = std::min(line.find_first_of(" \t\r", pos), line.size());
            const auto value = common::parseReal(std::string_view(line).substr(pos, end - pos));
            if (!value) fail("\"" + line.substr(pos, end - pos) + "\" is not a number");
            values[k] = *value;
            pos = end;
        }
        return values;
    }

    // A real in a fixed field of `line`: columns `first` .. first + width - 1.
    double fixedReal(std::string_view line, int first, int width) const {
        fw::FieldCursor cursor(line);
        cursor.moveTo(first);
        const std::string_view field = cursor.readText(width);
        const auto value = common::parseReal(field);
        if (!value) {
            fail("columns " + std::to_string(first) + "-" + std::to_string(first + width - 1) + " (\"" +
                 std::string(field) + "\") are not a number");
        }
        return *value;
    }

    // `value` when it lies in `range`; a value outside it names the field and the line taken last.
    double bounded(double value, const ValueRange& range) const {
        if (range.contains(value)) return value;
        const std::string limits =
            range.lowIncluded
                ? " is outside " + numberText(range.low) + " to " + numberText(range.high)
                : " must be above " + numberText(range.low) + " and at most " + numberText(range.high);
        fail(std::string(range.what) + " " + numberText(value) + limits);
    }

    // `text` when it holds no control character.
    std::string text(std::string text, const char* what) const {
        if (const auto c = common::firstControlCharacter(text))
            fail(std::string(what) + " holds the control character " + std::to_string(*c));
        return text;
    }

  private:
    const std::vector<std::string>& lines_;
    const std::string& fileName_;
    std::size_t next_ = 0;
};

constexpr double kMaxU = 20.0; // W/m2K: single glass in still air is below 6, a bare metal frame below 12
// The shading coefficient compares with clear 3 mm glass of solar heat gain coefficient 0.87.
constexpr double kMaxShadingCoefficient = 1.0 / 0.87;
constexpr ValueRange kGlassU{"the glass U-value", 0.0, kMaxU, false};
// The card reader of the engine takes the frame U-value by the same rule.
constexpr ValueRange kFrameU{"the frame U-value", common::kFrameURange.low, common::kFrameURange.high,
                             common::kFrameURange.lowIncluded};
constexpr ValueRange kGlassFraction{"the glass fraction", 0.0, 1.0, true};
constexpr ValueRange kSHGC{"the solar heat gain coefficient", 0.0, 1.0, true};
constexpr ValueRange kSC{"the shading coefficient", 0.0, kMaxShadingCoefficient, true};
constexpr ValueRange kVT{"the visible transmittance", 0.0, 1.0, true};
constexpr ValueRange kUVT{"the ultraviolet transmittance", 0.0, 1.0, true};
constexpr ValueRange kTransmittance{"a solar transmittance", 0.0, 1.0, true};
constexpr ValueRange kAbsorptance{"a solar absorptance", 0.0, 1.0, true};

std::string codeOf(std::string_view line) {
    fw::FieldCursor cursor(line);
    return std::string(cursor.readText(static_cast<int>(kProductCodeLength)));
}

// Fixed fields of line 6 of a window record: first column, width and the field they fill.
struct WindowField {
    int first;
    int width;
    double CustWinType::*member;
    const ValueRange& range;
};
constexpr std::array<WindowField, 5> kWindowLine6{{
    {25, 8, &CustWinType::SC, kSC},
    {49, 8, &CustWinType::VT, kVT},
    {57, 8, &CustWinType::UVT, kUVT},
    {81, 8, &CustWinType::GlassU, kGlassU},
    {89, 8, &CustWinType::GlassSHGC, kSHGC},
}};

constexpr int kMaxPanes = 3;
// A skylight product names a light well: 1 with a rectangular shaft, 2 with a circular tube.  The card
// writer names no roof-window library, so no product can be simulated as a roof window (3).
constexpr int kFirstSkylightSystem = 1;
constexpr int kLastSkylightSystem = 2;

CustWinType readWindowRecord(LineReader& in) {
    CustWinType p;
    p.ProductCode = in.text(codeOf(in.take()), "the product code");
    in.take(); // not used
    p.Manufacturer = in.text(TrimTrailingBlanks(in.take()), "the manufacturer");
    p.Brand = in.text(TrimTrailingBlanks(in.take()), "the brand");
    p.ProductName = in.text(TrimTrailingBlanks(in.take()), "the product name");
    const std::string& line6 = in.take();
    const char panes = line6.empty() ? ' ' : line6[0];
    // The pane count sets how many absorptance lines follow; a record can describe 1 to 3 panes.
    if (panes < '1' || panes > '0' + kMaxPanes)
        in.fail("the pane count in column 1 must be a digit from 1 to " + std::to_string(kMaxPanes));
    p.PaneCount = panes - '0';
    for (const WindowField& f : kWindowLine6)
        p.*f.member = in.bounded(in.fixedReal(line6, f.first, f.width), f.range);
    const auto frame = in.reals<2>();
    p.FrameU = in.bounded(frame[0], kFrameU);
    p.GlassFraction = in.bounded(frame[1], kGlassFraction);
    in.take(); // not used
    const auto tau = in.reals<10>();
    for (int a = 1; a <= 10; ++a)
        p.AngleTransmittance(a) = in.bounded(tau[static_cast<std::size_t>(a - 1)], kTransmittance);
    for (int pane = 1; pane <= p.PaneCount; ++pane) {
        const auto absorptance = in.reals<10>();
        for (int a = 1; a <= 10; ++a)
            p.PaneAbsorptance(pane, a) =
                in.bounded(absorptance[static_cast<std::size_t>(a - 1)], kAbsorptance);
    }
    return p;
}

// An integer word from `low` to `high` starting at or after `pos` in `line`; `pos` moves past it.
std::int32_t integerWord(LineReader& in, const std::string& line, std::size_t& pos, const char* what, int low,
                         int high) {
    pos = line.find_first_not_of(" \t", pos);
    if (pos == std::string::npos) in.fail(std::string(what) + " is missing");
    const std::size_t end = std::min(line.find_first_of(" \t\r", pos), line.size());
    const std::string word = line.substr(pos, end - pos);
    const auto value = common::parseInteger(word);
    if (!value) in.fail(std::string(what) + " \"" + word + "\" is not an integer");
    if (*value < low || *value > high) {
        in.fail(std::string(what) + " " + word + " is outside " + std::to_string(low) + " to " +
                std::to_string(high));
    }
    pos = end;
    return static_cast<std::int32_t>(*value);
}

CustSkyType readSkylightRecord(LineReader& in) {
    CustSkyType p;
    const std::string& line1 = in.take();
    p.ProductCode = in.text(codeOf(line1), "the product code");
    std::size_t pos = std::min(line1.size(), kProductCodeLength);
    p.PaneCount = integerWord(in, line1, pos, "the pane count", 1, kMaxPanes);
    p.SystemNumber =
        integerWord(in, line1, pos, "the glazing system number", kFirstSkylightSystem, kLastSkylightSystem);
    p.ProductName = in.text(line1.substr(pos), "the product name");
    const std::string& line2 = in.take();
    p.GlassU = in.bounded(in.fixedReal(line2, 1, 8), kGlassU);
    p.FrameU = in.bounded(in.fixedReal(line2, 9, 8), kFrameU);
    p.GlassFraction = in.bounded(in.fixedReal(line2, 17, 8), kGlassFraction);
    in.take(); // not used
    p.FourthValue = in.bounded(in.fixedReal(in.take(), 1, 8), kSHGC);
    return p;
}

template <class Product, class ReadRecord>
std::vector<Product> parseLibrary(const std::vector<std::string>& lines, const std::string& fileName,
                                  int capacity, ReadRecord readRecord) {
    LineReader in(lines, fileName);
    std::vector<Product> products;
    while (!in.atEnd()) {
        if (static_cast<int>(products.size()) == capacity) {
            in.fail("the library holds more than " + std::to_string(capacity) + " products",
                    in.lineNumber() + 1);
        }
        products.push_back(readRecord(in));
    }
    return products;
}

std::vector<std::string> libraryLines(const HouseModel& model, std::string_view relative, std::string& name) {
    name = (std::filesystem::path(model.RootDir) / relative).string();
    const auto file = common::findCaseInsensitive(model.RootDir, relative);
    if (!file) throw ModelError("Product library " + name + " does not exist");
    name = file->string();
    try {
        return common::readTextLines(*file);
    } catch (const std::exception& e) {
        throw ModelError(e.what());
    }
}

template <class Product>
void replaceLibrary(common::Array1<Product>& array, const std::vector<Product>& products) {
    array.fill(Product{});
    for (std::size_t i = 0; i < products.size(); ++i) array(static_cast<int>(i) + 1) = products[i];
}

} // namespace

std::vector<CustWinType> parseWindowLibrary(const std::vector<std::string>& lines,
                                            const std::string& fileName) {
    return parseLibrary<CustWinType>(lines, fileName, kMaxWindowProducts, readWindowRecord);
}

std::vector<CustSkyType> parseSkylightLibrary(const std::vector<std::string>& lines,
                                              const std::string& fileName) {
    return parseLibrary<CustSkyType>(lines, fileName, kMaxSkylightProducts, readSkylightRecord);
}

void ReadWindowLibrary(HouseModel& model) {
    std::string name;
    const auto lines = libraryLines(model, kWindowLibraryFile, name);
    replaceLibrary(model.WindowProducts, parseWindowLibrary(lines, name));
}

void ReadSkylightLibrary(HouseModel& model) {
    std::string name;
    const auto lines = libraryLines(model, kSkylightLibraryFile, name);
    replaceLibrary(model.SkylightProducts, parseSkylightLibrary(lines, name));
}

} // namespace pelmora
