#include "text_values.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace common {

namespace {

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

} // namespace

std::string formatReal23(double value) {
    if (!std::isfinite(value))
        throw std::invalid_argument("a value that is not a finite number cannot be stored");
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14E", std::fabs(value));
    std::string_view s(buffer);
    const std::size_t e = s.find('E');
    const int exponent = std::atoi(buffer + e + 1);
    char out[64];
    std::snprintf(out, sizeof out, "%c%.*sE%c%04d", std::signbit(value) && value != 0.0 ? '-' : ' ',
                  static_cast<int>(e), buffer, exponent < 0 ? '-' : '+', std::abs(exponent));
    return out;
}

std::optional<double> parseReal(std::string_view line) {
    std::string text(trimBlanks(line));
    if (text.empty()) return std::nullopt;
    for (char c : text) {
        // strtod would also take hexadecimal, "inf" and "nan"; a stored real is none of these.
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.' || c == 'E' ||
              c == 'e'))
            return std::nullopt;
    }
    char* end = nullptr;
    errno = 0;
    double v = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<long long> parseInteger(std::string_view line) {
    std::string text(trimBlanks(line));
    if (text.empty()) return std::nullopt;
    std::size_t i = (text[0] == '+' || text[0] == '-') ? 1 : 0;
    if (i == text.size()) return std::nullopt;
    for (std::size_t k = i; k < text.size(); ++k)
        if (!std::isdigit(static_cast<unsigned char>(text[k]))) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(text.c_str(), &end, 10);
    if (errno == ERANGE) return std::nullopt;
    return v;
}

std::vector<std::string> splitLines(std::string_view text) {
    // A text without any LF ends its lines with CR alone; otherwise a line ends at LF, and every CR
    // just before the LF belongs to the line end (CR LF, or CR CR LF as some programs write it).
    const bool carriageReturnsOnly = text.find('\n') == std::string_view::npos;
    const char lineEnd = carriageReturnsOnly ? '\r' : '\n';
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(lineEnd, start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> readTextLines(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("Cannot open " + file.string());
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) throw std::runtime_error("Cannot read " + file.string());
    return splitLines(buffer.str());
}

void TextFileWriter::line(std::string_view text) {
    text_.append(text);
    text_.append("\r\n");
}

void TextFileWriter::save(const std::filesystem::path& file) const {
    writeFileAtomically(file, text_);
}

void writeFileAtomically(const std::filesystem::path& file, std::string_view contents) {
    std::filesystem::path temporary = file;
    temporary += ".tmp~";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) throw std::runtime_error("Cannot write " + file.string());
        out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw std::runtime_error("Cannot write " + file.string());
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, file, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        throw std::runtime_error("Cannot write " + file.string());
    }
}

} // namespace common
