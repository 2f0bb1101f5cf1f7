#include "fixed_width.h"

#include <array>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>

namespace fw {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

class FormatParser {
  public:
    explicit FormatParser(std::string_view text) : text_(text) {}

    Format parse() {
        skipSpaces();
        Format out;
        // A format given with its outer parentheses is one group read once.
        if (pos_ < text_.size() && text_[pos_] == '(') {
            ++pos_;
            parseList(out, ')');
            expect(')');
        } else {
            parseList(out, '\0');
        }
        skipSpaces();
        if (pos_ != text_.size()) fail("unexpected text after the format");
        return out;
    }

  private:
    void parseList(Format& out, char close) {
        for (;;) {
            skipSpaces();
            if (pos_ >= text_.size() || (close != '\0' && text_[pos_] == close)) return;
            char c = text_[pos_];
            if (c == ',') {
                ++pos_;
                continue;
            }
            if (c == '/') {
                ++pos_;
                out.push_back({Edit::Slash});
                continue;
            }
            parseItem(out);
        }
    }

    void parseItem(Format& out) {
        int repeat = 1;
        bool counted = false;
        if (isDigit(text_[pos_])) {
            repeat = number();
            counted = true;
        }
        skipSpaces();
        if (pos_ >= text_.size()) fail("a repeat count without a descriptor");
        char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text_[pos_++])));
        if (c == '(') {
            Format group;
            parseList(group, ')');
            expect(')');
            for (int k = 0; k < repeat; ++k) out.insert(out.end(), group.begin(), group.end());
            return;
        }
        if (c == 'X') {
            out.push_back({Edit::X, counted ? repeat : 1, 0});
            return;
        }
        if (c == '/') {
            for (int k = 0; k < repeat; ++k) out.push_back({Edit::Slash});
            return;
        }
        Descriptor d{};
        switch (c) {
        case 'I':
            d.edit = Edit::I;
            break;
        case 'F':
            d.edit = Edit::F;
            break;
        case 'E':
            d.edit = Edit::E;
            break;
        case 'A':
            d.edit = Edit::A;
            break;
        default:
            fail(std::string("unknown edit descriptor '") + c + "'");
        }
        if (pos_ >= text_.size() || !isDigit(text_[pos_])) fail("a descriptor without a width");
        d.width = number();
        if (d.width <= 0) fail("a field width of zero");
        if (d.edit == Edit::F || d.edit == Edit::E) {
            if (pos_ >= text_.size() || text_[pos_] != '.') fail("a real descriptor without decimals");
            ++pos_;
            if (pos_ >= text_.size() || !isDigit(text_[pos_])) fail("a real descriptor without decimals");
            d.decimals = number();
        }
        for (int k = 0; k < repeat; ++k) out.push_back(d);
    }

    int number() {
        int n = 0;
        while (pos_ < text_.size() && isDigit(text_[pos_])) {
            n = n * 10 + (text_[pos_++] - '0');
            if (n > 100000) fail("a number too large in the format");
        }
        return n;
    }

    void expect(char c) {
        skipSpaces();
        if (pos_ >= text_.size() || text_[pos_] != c) fail(std::string("missing '") + c + "'");
        ++pos_;
    }

    void skipSpaces() {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    }

    [[noreturn]] void fail(const std::string& what) {
        throw std::invalid_argument("bad format \"" + std::string(text_) + "\": " + what);
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// The digits of a numeric field with blanks already turned into zeros or dropped.  Held in a fixed
// buffer: the engine reads its weather fields through here every hour and must not allocate.
struct NumberText {
    static constexpr std::size_t kMaxDigits = 120;
    bool negative = false;
    std::array<char, kMaxDigits> digits; // mantissa digits, without the point; the first `count` are set
    std::size_t count = 0;
    int pointAt = -1; // digits before the written point, -1 when there is none
    long long exponent = 0;

    bool empty() const { return count == 0; }
    // False when the field holds more digits than any field width we read.
    bool push(char c) {
        if (count == kMaxDigits) return false;
        digits[count++] = c;
        return true;
    }
};

bool scanNumber(std::string_view field, Blanks blanks, bool allowReal, NumberText& n) {
    std::size_t i = 0;
    const std::size_t len = field.size();
    // Leading blanks are zeros or nothing; either way they do not change the value.
    while (i < len && field[i] == ' ') ++i;
    if (i < len && (field[i] == '+' || field[i] == '-')) n.negative = field[i++] == '-';
    for (; i < len; ++i) {
        char c = field[i];
        if (isDigit(c)) {
            if (!n.push(c)) return false;
        } else if (c == ' ') {
            if (blanks == Blanks::Zero && !n.push('0')) return false;
        } else if (c == '.' && allowReal && n.pointAt < 0) {
            n.pointAt = static_cast<int>(n.count);
        } else {
            break;
        }
    }
    if (i == len) return true;
    if (!allowReal) return false;

    // Exponent: E, D or a sign straight after the mantissa, then an optional sign and digits.
    char c = static_cast<char>(std::toupper(static_cast<unsigned char>(field[i])));
    if (c == 'E' || c == 'D' || c == 'Q') {
        ++i;
        while (i < len && field[i] == ' ') ++i;
    } else if (c != '+' && c != '-') {
        return false;
    }
    if (n.empty()) return false; // an exponent needs a mantissa
    bool negativeExponent = false;
    if (i < len && (field[i] == '+' || field[i] == '-')) negativeExponent = field[i++] == '-';
    bool expDigits = false;
    long long e = 0;
    for (; i < len; ++i) {
        char d = field[i];
        if (d == ' ') {
            if (blanks == Blanks::Null) continue;
            d = '0';
        }
        if (!isDigit(d)) return false;
        expDigits = true;
        if (e < 100000) e = e * 10 + (d - '0');
    }
    if (!expDigits) return false;
    n.exponent = negativeExponent ? -e : e;
    return true;
}

} // namespace

Format parseFormat(std::string_view text) {
    return FormatParser(text).parse();
}

bool readInteger(std::string_view field, long long& value, Blanks blanks) {
    NumberText n;
    if (!scanNumber(field, blanks, false, n)) return false;
    long long v = 0;
    for (std::size_t i = 0; i < n.count; ++i) {
        const char d = n.digits[i];
        if (v > (std::numeric_limits<long long>::max() - 9) / 10) return false;
        v = v * 10 + (d - '0');
    }
    value = n.negative ? -v : v;
    return true;
}

bool readInteger(std::string_view field, int& value, Blanks blanks) {
    long long v = 0;
    if (!readInteger(field, v, blanks)) return false;
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return false;
    value = static_cast<int>(v);
    return true;
}

bool readReal(std::string_view field, int decimals, double& value, Blanks blanks) {
    NumberText n;
    if (!scanNumber(field, blanks, true, n)) return false;
    if (n.empty()) {
        value = 0.0; // a blank field, or a lone sign or point
        return true;
    }
    const long long fraction = n.pointAt >= 0 ? static_cast<long long>(n.count) - n.pointAt : decimals;
    const long long power = n.exponent - fraction;
    // Most fields (every climate record's) hold a few digits and a small power of ten: both are then
    // exact doubles, and one division or product rounds the value once, correctly, as the library
    // would.
    constexpr std::uint64_t kExactInteger = std::uint64_t{1} << 53;
    static constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr long long kLargestExactPower = std::size(kExactPowers) - 1;
    if (power >= -kLargestExactPower && power <= kLargestExactPower) {
        std::uint64_t digits = 0;
        std::size_t i = 0;
        for (; i < n.count && digits <= kExactInteger; ++i)
            digits = digits * 10 + static_cast<std::uint64_t>(n.digits[i] - '0');
        if (i == n.count && digits <= kExactInteger) {
            const double mantissa = static_cast<double>(digits);
            const double v = power < 0 ? mantissa / kExactPowers[-power] : mantissa * kExactPowers[power];
            value = n.negative ? -v : v;
            return true;
        }
    }
    // Let the library round the decimal text once, exactly: digits, then e(exponent - fraction).
    char text[NumberText::kMaxDigits + 32];
    std::size_t length = 0;
    if (n.negative) text[length++] = '-';
    std::memcpy(text + length, n.digits.data(), n.count);
    length += n.count;
    std::snprintf(text + length, sizeof text - length, "e%lld", power);
    errno = 0;
    double v = std::strtod(text, nullptr);
    if (!std::isfinite(v)) return false;
    value = v;
    return true;
}

std::string_view FieldCursor::take(int width) {
    if (width <= 0) return {};
    const std::size_t start = pos_;
    pos_ += static_cast<std::size_t>(width);
    if (start >= record_.size()) return {};
    return record_.substr(start,
                          std::min<std::size_t>(static_cast<std::size_t>(width), record_.size() - start));
}

bool FieldCursor::readInt(int width, int& value) {
    return readInteger(take(width), value, blanks_);
}

bool FieldCursor::readInt(int width, long long& value) {
    return readInteger(take(width), value, blanks_);
}

bool FieldCursor::readReal(int width, int decimals, double& value) {
    return fw::readReal(take(width), decimals, value, blanks_);
}

std::string_view FieldCursor::readText(int width) {
    // A text field past the end of the record is padded with blanks; callers that need the full
    // width pad themselves, so only the characters present are returned.
    return take(width);
}

ReadResult readFormatted(std::span<const std::string_view> records, const Format& format,
                         std::vector<Value>& values, Blanks blanks) {
    values.clear();
    std::size_t line = 0;
    auto current = [&]() -> std::string_view {
        return line < records.size() ? records[line] : std::string_view{};
    };
    FieldCursor cursor(current(), blanks);
    for (const Descriptor& d : format) {
        const int column = cursor.column();
        switch (d.edit) {
        case Edit::Slash:
            ++line;
            cursor = FieldCursor(current(), blanks);
            break;
        case Edit::X:
            cursor.skip(d.width);
            break;
        case Edit::A: {
            std::string text(cursor.readText(d.width));
            text.resize(static_cast<std::size_t>(d.width), ' ');
            values.emplace_back(std::move(text));
            break;
        }
        case Edit::I: {
            long long v = 0;
            if (!cursor.readInt(d.width, v)) return {false, static_cast<int>(line) + 1, column};
            values.emplace_back(v);
            break;
        }
        case Edit::F:
        case Edit::E: {
            double v = 0;
            if (!cursor.readReal(d.width, d.decimals, v)) return {false, static_cast<int>(line) + 1, column};
            values.emplace_back(v);
            break;
        }
        }
    }
    return {};
}

namespace {

bool refuseOrStar(std::string& out, int width, Overflow overflow) {
    if (overflow == Overflow::Refuse) return false;
    out.append(static_cast<std::size_t>(width), '*');
    return true;
}

bool appendPadded(std::string& out, std::string_view text, int width, Overflow overflow) {
    if (static_cast<int>(text.size()) > width) return refuseOrStar(out, width, overflow);
    out.append(static_cast<std::size_t>(width) - text.size(), ' ');
    out.append(text);
    return true;
}

// appendPadded for a text [begin, end) that lies at the end of `buffer`: the blanks go into the
// buffer in front of it when there is room, so that the field is appended in one piece.
bool appendPaddedFrom(std::string& out, char* buffer, char* begin, char* end, int width, Overflow overflow) {
    const auto length = static_cast<std::size_t>(end - begin);
    if (width < 0 || end - buffer < width || length > static_cast<std::size_t>(width))
        return appendPadded(out, std::string_view(begin, length), width, overflow);
    char* const start = end - width;
    std::memset(start, ' ', static_cast<std::size_t>(begin - start));
    out.append(start, static_cast<std::size_t>(width));
    return true;
}

} // namespace

namespace {

// Writes the decimal digits of `value` so that they end just before `end`; returns their start.
char* digitsBefore(char* end, std::uint64_t value) {
    do {
        *--end = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    return end;
}

} // namespace

bool appendInteger(std::string& out, long long value, int width, Overflow overflow) {
    char buffer[64];
    char* const end = buffer + sizeof buffer;
    // Through the unsigned magnitude, so that the most negative value has its digits too.
    const std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    char* begin = digitsBefore(end, magnitude);
    if (value < 0) *--begin = '-';
    return appendPaddedFrom(out, buffer, begin, end, width, overflow);
}

namespace {

// Reports hold a few decimals of values of everyday size; those are written by exact integer
// arithmetic below, anything else through printf.
constexpr int kExactDecimals = 9;
constexpr std::uint64_t kPowersOfTen[kExactDecimals + 1] = {1,      10,      100,      1000,      10000,
                                                            100000, 1000000, 10000000, 100000000, 1000000000};
// Magnitudes below these keep |value| × 10^decimals under 10^19, within 64 bits, and the value's
// binary exponent at or below its last integer bit.
constexpr double kTwoTo53 = 9007199254740992.0;
constexpr double kExactMagnitude[kExactDecimals + 1] = {kTwoTo53, kTwoTo53, kTwoTo53, kTwoTo53, 1e15,
                                                        1e14,     1e13,     1e12,     1e11,     1e10};

// |value| × 10^decimals rounded to an integer, halves to even, from the exact binary value: the
// same digits printf("%.*f") gives.  False when the value is outside the exact range.
bool scaledMagnitude(double value, int decimals, std::uint64_t& scaled) {
    if (decimals < 0 || decimals > kExactDecimals) return false;
    const double magnitude = std::fabs(value);
    if (!(magnitude < kExactMagnitude[decimals])) return false;
    // magnitude = significand / 2^shift exactly.
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(magnitude);
    const int biased = static_cast<int>(bits >> 52);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t significand = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
    const int shift = biased == 0 ? 1074 : 1075 - biased; // 0 or more below 2^53
    __extension__ using Wide = unsigned __int128;
    const Wide product = static_cast<Wide>(significand) * kPowersOfTen[decimals]; // below 2^83
    if (shift == 0) {
        scaled = static_cast<std::uint64_t>(product);
        return true;
    }
    if (shift > 84) { // the product is below half a unit: rounds to zero
        scaled = 0;
        return true;
    }
    Wide whole = product >> shift;
    const Wide rest = product - (whole << shift);
    const Wide half = Wide{1} << (shift - 1);
    if (rest > half || (rest == half && (whole & 1) != 0)) ++whole;
    scaled = static_cast<std::uint64_t>(whole);
    return true;
}

// The text printf("%#.*f") gives for a finite value, ending just before `end`; nullptr when the
// value is outside the exact range.  `zero` tells whether every digit written is zero.
char* fixedTextBefore(char* end, double value, int decimals, bool& zero) {
    std::uint64_t scaled = 0;
    if (!scaledMagnitude(value, decimals, scaled)) return nullptr;
    const std::uint64_t unit = kPowersOfTen[decimals];
    std::uint64_t fraction = scaled % unit;
    char* begin = end;
    for (int k = 0; k < decimals; ++k) {
        *--begin = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    *--begin = '.';
    begin = digitsBefore(begin, scaled / unit);
    zero = scaled == 0;
    if (std::signbit(value)) *--begin = '-';
    return begin;
}

} // namespace

bool appendFixed(std::string& out, double value, int width, int decimals, Overflow overflow) {
    if (!std::isfinite(value)) return refuseOrStar(out, width, overflow);
    // printf rounds the exact binary value, ties to even, which is the rounding we want; values of
    // everyday size are rounded the same way by integer arithmetic, much faster.
    char buffer[512];
    char* const end = buffer + sizeof buffer;
    bool zero = false;
    char* begin = fixedTextBefore(end, value, decimals, zero);
    if (!begin) {
        int n = std::snprintf(buffer, sizeof buffer, "%#.*f", decimals, value); // # keeps the point of Fw.0
        if (n < 0 || n >= static_cast<int>(sizeof buffer)) return refuseOrStar(out, width, overflow);
        std::memmove(end - n, buffer, static_cast<std::size_t>(n));
        begin = end - n;
        zero = std::string_view(begin, static_cast<std::size_t>(n)).find_first_not_of("-0.") ==
               std::string_view::npos;
    }
    // A value that rounds to zero is written without a minus sign.
    if (*begin == '-' && zero) ++begin;
    // Fortran drops the leading zero of a value below one when the field has no room for it.
    if (end - begin == width + 1) {
        if (begin[0] == '0' && begin[1] == '.') {
            ++begin;
        } else if (begin[0] == '-' && begin[1] == '0' && begin[2] == '.') {
            begin[1] = '-';
            ++begin;
        }
    }
    return appendPaddedFrom(out, buffer, begin, end, width, overflow);
}

bool appendExponent(std::string& out, double value, int width, int decimals, Overflow overflow) {
    if (!std::isfinite(value) || decimals <= 0) return refuseOrStar(out, width, overflow);
    // Fortran writes 0.ddddE+ee: the mantissa's first digit follows the point.
    char buffer[64];
    std::string text;
    int exponent = 0;
    bool negative = std::signbit(value) && value != 0.0;
    if (value != 0.0) {
        std::snprintf(buffer, sizeof buffer, "%.*e", decimals - 1, std::fabs(value));
        std::string_view s(buffer);
        std::size_t e = s.find('e');
        exponent = std::atoi(buffer + e + 1) + 1;
        text.push_back('0');
        text.push_back('.');
        for (char c : s.substr(0, e))
            if (c != '.') text.push_back(c);
    } else {
        text = "0.";
        text.append(static_cast<std::size_t>(decimals), '0');
    }
    char exp[16];
    if (std::abs(exponent) <= 99)
        std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    else if (std::abs(exponent) <= 999)
        std::snprintf(exp, sizeof exp, "%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
    else
        return refuseOrStar(out, width, overflow);
    text += exp;
    if (negative) text.insert(text.begin(), '-');
    if (static_cast<int>(text.size()) == width + 1) {
        std::size_t zero = negative ? 1 : 0;
        text.erase(zero, 1); // no room for the optional leading zero
    }
    return appendPadded(out, text, width, overflow);
}

void appendBlanks(std::string& out, int count) {
    if (count > 0) out.append(static_cast<std::size_t>(count), ' ');
}

bool appendText(std::string& out, std::string_view text, int width, Overflow overflow, Align align) {
    const auto w = static_cast<std::size_t>(width);
    if (text.size() > w) {
        if (overflow == Overflow::Refuse) return false;
        out.append(text.substr(0, w));
        return true;
    }
    if (align == Align::Right) out.append(w - text.size(), ' ');
    out.append(text);
    if (align == Align::Left) out.append(w - text.size(), ' ');
    return true;
}

std::vector<std::string> writeFormatted(const Format& format, std::span<const Value> values,
                                        Overflow overflow) {
    std::vector<std::string> lines(1);
    std::size_t written = 0; // length of the current line up to its last written value
    std::size_t next = 0;
    auto take = [&]() -> const Value& {
        if (next >= values.size()) throw std::invalid_argument("too few values for the format");
        return values[next++];
    };
    auto toReal = [](const Value& v) {
        if (const double* d = std::get_if<double>(&v)) return *d;
        if (const long long* i = std::get_if<long long>(&v)) return static_cast<double>(*i);
        throw std::invalid_argument("a text where the format wants a number");
    };
    for (const Descriptor& d : format) {
        std::string& line = lines.back();
        bool ok = true;
        switch (d.edit) {
        case Edit::Slash:
            line.resize(written);
            lines.emplace_back();
            written = 0;
            continue;
        case Edit::X:
            appendBlanks(line, d.width);
            continue;
        case Edit::I: {
            const Value& v = take();
            const long long* i = std::get_if<long long>(&v);
            if (!i) throw std::invalid_argument("a non-integer where the format wants an integer");
            ok = appendInteger(line, *i, d.width, overflow);
            break;
        }
        case Edit::F:
            ok = appendFixed(line, toReal(take()), d.width, d.decimals, overflow);
            break;
        case Edit::E:
            ok = appendExponent(line, toReal(take()), d.width, d.decimals, overflow);
            break;
        case Edit::A: {
            const std::string* s = std::get_if<std::string>(&take());
            if (!s) throw std::invalid_argument("a number where the format wants a text");
            ok = appendText(line, *s, d.width, overflow);
            break;
        }
        }
        if (!ok) throw FieldOverflow("value too wide for its field (width " + std::to_string(d.width) + ")");
        written = line.size();
    }
    lines.back().resize(written);
    return lines;
}

} // namespace fw
