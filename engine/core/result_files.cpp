#include "engine/core/result_files.h"

#include <cctype>
#include <stdexcept>

namespace engine {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

// Parses a format into a flat list of items, every repeat count expanded.
class ReportFormatParser {
  public:
    using Item = ReportFormat::Item;
    using Kind = ReportFormat::Kind;

    explicit ReportFormatParser(std::string_view text) : text_(text) {}

    void parse(ReportFormat& format) {
        skipSpaces();
        expect('(');
        parseList(format.items_, 0, &format.reversion_);
        expect(')');
        skipSpaces();
        if (pos_ != text_.size()) fail("unexpected text after the format");
        for (std::size_t i = 0; i < format.items_.size(); ++i) {
            if (format.items_[i].kind != Kind::Data) continue;
            format.hasData_ = true;
            if (i >= format.reversion_) format.reversionHasData_ = true;
        }
    }

  private:
    // Reads items up to the closing parenthesis.  At depth 0 `reversion` receives the position of the
    // last group met, which is where a format that runs out goes on.
    void parseList(std::vector<Item>& out, int depth, std::size_t* reversion) {
        for (;;) {
            skipSpaces();
            if (pos_ >= text_.size()) fail("missing ')'");
            const char c = text_[pos_];
            if (c == ')') return;
            if (c == ',') {
                ++pos_;
                continue;
            }
            if (c == '/') {
                ++pos_;
                out.push_back({Kind::NewLine, {}, {}});
                continue;
            }
            if (c == '\'') {
                out.push_back({Kind::Literal, {}, quoted()});
                continue;
            }
            parseItem(out, depth, reversion);
        }
    }

    void parseItem(std::vector<Item>& out, int depth, std::size_t* reversion) {
        int repeat = 1;
        bool counted = false;
        if (isDigit(text_[pos_])) {
            repeat = number();
            counted = true;
            skipSpaces();
        }
        if (pos_ >= text_.size()) fail("a repeat count without a descriptor");
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text_[pos_++])));
        if (c == '(') {
            if (depth == 0 && reversion) *reversion = out.size();
            std::vector<Item> group;
            parseList(group, depth + 1, nullptr);
            expect(')');
            for (int k = 0; k < repeat; ++k) out.insert(out.end(), group.begin(), group.end());
            return;
        }
        if (c == 'H') {
            if (!counted || repeat <= 0) fail("a Hollerith text without its length");
            const auto n = static_cast<std::size_t>(repeat);
            if (pos_ + n > text_.size()) fail("a Hollerith text longer than the format");
            out.push_back({Kind::Literal, {}, std::string(text_.substr(pos_, n))});
            pos_ += n;
            return;
        }
        if (c == 'X') {
            out.push_back({Kind::Skip, {fw::Edit::X, counted ? repeat : 1, 0}, {}});
            return;
        }
        fw::Descriptor d{};
        switch (c) {
        case 'I':
            d.edit = fw::Edit::I;
            break;
        case 'F':
            d.edit = fw::Edit::F;
            break;
        case 'E':
            d.edit = fw::Edit::E;
            break;
        case 'A':
            d.edit = fw::Edit::A;
            break;
        default:
            fail(std::string("unknown edit descriptor '") + c + "'");
        }
        skipSpaces();
        if (pos_ >= text_.size() || !isDigit(text_[pos_])) fail("a descriptor without a width");
        d.width = number();
        if (d.width <= 0) fail("a field width of zero");
        if (d.edit == fw::Edit::F || d.edit == fw::Edit::E) {
            if (pos_ >= text_.size() || text_[pos_] != '.') fail("a real descriptor without decimals");
            ++pos_;
            if (pos_ >= text_.size() || !isDigit(text_[pos_])) fail("a real descriptor without decimals");
            d.decimals = number();
        }
        for (int k = 0; k < repeat; ++k) out.push_back({Kind::Data, d, {}});
    }

    // A literal in apostrophes; two apostrophes inside stand for one.
    std::string quoted() {
        ++pos_;
        std::string text;
        for (;;) {
            if (pos_ >= text_.size()) fail("a literal without its closing apostrophe");
            const char c = text_[pos_++];
            if (c != '\'') {
                text.push_back(c);
                continue;
            }
            if (pos_ < text_.size() && text_[pos_] == '\'') {
                text.push_back('\'');
                ++pos_;
                continue;
            }
            return text;
        }
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

ReportFormat::ReportFormat(std::string_view text) {
    ReportFormatParser(text).parse(*this);
}

void ReportFormat::write(std::span<const fw::Value> values, std::vector<std::string>& lines) const {
    if (!values.empty() && !hasData_) throw std::invalid_argument("values for a format without fields");
    lines.emplace_back();
    std::size_t written = 0; // length of the current line up to its last written character
    std::size_t next = 0;
    auto toReal = [](const fw::Value& v) {
        if (const double* d = std::get_if<double>(&v)) return *d;
        if (const long long* i = std::get_if<long long>(&v)) return static_cast<double>(*i);
        throw std::invalid_argument("a text where the format wants a number");
    };
    std::size_t i = 0;
    for (;;) {
        if (i == items_.size()) {
            if (next >= values.size()) break;
            if (!reversionHasData_) throw std::invalid_argument("more values than the format takes");
            // Values remain: a new line, and on from the last top-level group.
            lines.back().resize(written);
            lines.emplace_back();
            written = 0;
            i = reversion_;
        }
        const Item& item = items_[i++];
        std::string& line = lines.back();
        switch (item.kind) {
        case Kind::NewLine:
            line.resize(written);
            lines.emplace_back();
            written = 0;
            continue;
        case Kind::Skip:
            fw::appendBlanks(line, item.descriptor.width);
            continue;
        case Kind::Literal:
            line += item.text;
            written = line.size();
            continue;
        case Kind::Data:
            break;
        }
        if (next >= values.size()) break;
        const fw::Value& v = values[next++];
        const fw::Descriptor& d = item.descriptor;
        switch (d.edit) {
        case fw::Edit::I: {
            const long long* n = std::get_if<long long>(&v);
            if (!n) throw std::invalid_argument("a non-integer where the format wants an integer");
            fw::appendInteger(line, *n, d.width, fw::Overflow::Asterisks);
            break;
        }
        case fw::Edit::F:
            fw::appendFixed(line, toReal(v), d.width, d.decimals, fw::Overflow::Asterisks);
            break;
        case fw::Edit::E:
            fw::appendExponent(line, toReal(v), d.width, d.decimals, fw::Overflow::Asterisks);
            break;
        case fw::Edit::A: {
            const std::string* s = std::get_if<std::string>(&v);
            if (!s) throw std::invalid_argument("a number where the format wants a text");
            fw::appendText(line, *s, d.width, fw::Overflow::Asterisks);
            break;
        }
        default:
            break;
        }
        written = line.size();
    }
    lines.back().resize(written);
}

std::vector<std::string> ReportFormat::lines(std::span<const fw::Value> values) const {
    std::vector<std::string> out;
    write(values, out);
    return out;
}

std::vector<std::string> ReportFormat::lines(std::initializer_list<fw::Value> values) const {
    return lines(std::span<const fw::Value>(values.begin(), values.size()));
}

std::string completeTemplate(std::string_view templateText, std::span<const int> counts) {
    constexpr std::string_view kPlaceholder = "***";
    std::string out(templateText);
    std::size_t from = 0;
    for (int count : counts) {
        const std::size_t at = out.find(kPlaceholder, from);
        if (at == std::string::npos) throw std::invalid_argument("a format template with too few counts");
        std::string digits;
        if (!fw::appendInteger(digits, count, 3, fw::Overflow::Refuse) || count < 0)
            throw std::invalid_argument("a repeat count that does not fit three columns");
        out.replace(at, kPlaceholder.size(), digits);
        from = at + digits.size();
    }
    if (out.find(kPlaceholder, from) != std::string::npos)
        throw std::invalid_argument("a format template with more counts than given");
    return out;
}

namespace {

ReportFormat completed(std::string_view templateText, std::initializer_list<int> counts) {
    return ReportFormat(completeTemplate(templateText, std::span<const int>(counts.begin(), counts.size())));
}

} // namespace

void completeResultFormats(ResultFormats& formats, int nzones, int ncond) {
    namespace rf = resultformat;
    formats.temNames = completed(rf::kTemNames, {nzones});
    formats.temHour = completed(rf::kTemHour, {nzones});
    formats.temHourHumid = completed(rf::kTemHourHumid, {nzones + 2});
    formats.monthTemperatures = completed(rf::kMonthTemperatures, {nzones, nzones + 1, nzones + 1});
    formats.periodTemperatures = completed(rf::kPeriodTemperatures, {nzones, nzones + 1, nzones + 1});
    if (ncond <= 0) {
        formats.energyNames = formats.energyColumns = formats.energyHour = ReportFormat();
        return;
    }
    formats.energyNames = completed(rf::kEnergyNames, {ncond});
    formats.energyColumns = completed(rf::kEnergyColumns, {ncond});
    formats.energyHour = completed(rf::kEnergyHour, {3 * ncond});
}

void writeLines(std::ostream& out, std::span<const std::string> lines) {
    for (const std::string& line : lines) out << line << kLineEnd;
}

std::string monthAbbreviation(int month) {
    if (month < 1 || month > 12) throw std::invalid_argument("month out of range");
    return std::string(resultformat::kMonthNames.substr(static_cast<std::size_t>(3 * (month - 1)), 3));
}

std::string temLatitudeLine(double latitudeDegrees, std::string_view climateName) {
    static const ReportFormat format(resultformat::kTemLatitude);
    return format.lines({latitudeDegrees, std::string(climateName)}).front();
}

namespace {

std::vector<fw::Value> textValues(std::span<const std::string> texts) {
    std::vector<fw::Value> values;
    values.reserve(texts.size());
    for (const std::string& t : texts) values.emplace_back(t);
    return values;
}

} // namespace

std::vector<std::string> temHeadLines(const ResultFormats& formats,
                                      std::span<const std::string> listedNames) {
    static const ReportFormat count(resultformat::kTemZoneCount);
    std::vector<std::string> lines = count.lines({static_cast<long long>(listedNames.size())});
    formats.temNames.write(textValues(listedNames), lines);
    return lines;
}

std::vector<std::string> energyHeadLines(const ResultFormats& formats, std::string_view jobName,
                                         std::span<const std::string> conditionedNames) {
    static const ReportFormat job(resultformat::kEnergyJob);
    static const ReportFormat count(resultformat::kEnergyZoneCount);
    std::vector<std::string> lines = job.lines({std::string(jobName)});
    count.write(std::vector<fw::Value>{static_cast<long long>(conditionedNames.size())}, lines);
    formats.energyNames.write(textValues(conditionedNames), lines);
    formats.energyColumns.write({}, lines);
    return lines;
}

std::vector<std::string> natrepRecord1(const NatrepTotals& t) {
    static const ReportFormat format(resultformat::kNatrepTotals);
    return format.lines(
        {t.heating, t.sensibleCooling, t.latentCooling, t.heatingPeak, t.sensiblePeak, t.latentPeak});
}

std::vector<std::string> natrepLines(const NatrepTotals& t, double fanEnergy, double conditionedArea) {
    static const ReportFormat perArea(resultformat::kNatrepPerArea);
    std::vector<std::string> lines = natrepRecord1(t);
    if (conditionedArea <= 0.1) return lines;
    const double a = conditionedArea;
    perArea.write(std::vector<fw::Value>{t.heating / a, t.sensibleCooling / a, t.latentCooling / a,
                                         (t.sensibleCooling + t.latentCooling) / a,
                                         (t.heating + t.sensibleCooling + t.latentCooling) / a, fanEnergy},
                  lines);
    return lines;
}

} // namespace engine
