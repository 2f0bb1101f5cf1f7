#include "modeller/results/report_document.h"

#include "common/text_values.h"

#include <array>
#include <cstdio>

namespace pelmora {

namespace {

// Colour table order of the rich-text file; entry 0 is the automatic colour.
constexpr std::array<ReportColour, 4> kColourTable = {ReportColour::Black, ReportColour::Blue,
                                                      ReportColour::Red, ReportColour::Green};

int colourIndex(ReportColour colour) {
    for (std::size_t i = 0; i < kColourTable.size(); ++i)
        if (kColourTable[i] == colour) return static_cast<int>(i) + 1;
    return 1;
}

// The next code point of UTF-8 text; a byte that starts no valid sequence stands for itself.
char32_t nextCodePoint(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b0 = byte(i);
    int extra = 0;
    char32_t cp = b0;
    if (b0 >= 0xF0 && b0 < 0xF8) {
        extra = 3;
        cp = b0 & 0x07;
    } else if (b0 >= 0xE0) {
        extra = 2;
        cp = b0 & 0x0F;
    } else if (b0 >= 0xC0) {
        extra = 1;
        cp = b0 & 0x1F;
    }
    if (extra == 0 || i + static_cast<std::size_t>(extra) >= text.size()) {
        ++i;
        return b0;
    }
    for (int k = 1; k <= extra; ++k) {
        const unsigned char b = byte(i + static_cast<std::size_t>(k));
        if ((b & 0xC0) != 0x80) {
            ++i;
            return b0;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    i += static_cast<std::size_t>(extra) + 1;
    return cp;
}

// Code page 1252 bytes of the characters 0x80..0x9F that it places outside Latin-1.
int cp1252Byte(char32_t cp) {
    if (cp >= 0xA0 && cp <= 0xFF) return static_cast<int>(cp);
    switch (cp) {
    case 0x20AC:
        return 0x80;
    case 0x2018:
        return 0x91;
    case 0x2019:
        return 0x92;
    case 0x201C:
        return 0x93;
    case 0x201D:
        return 0x94;
    case 0x2013:
        return 0x96;
    case 0x2014:
        return 0x97;
    default:
        return -1;
    }
}

void appendEscaped(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const char32_t cp = nextCodePoint(text, i);
        if (cp == '\\' || cp == '{' || cp == '}') {
            out += '\\';
            out += static_cast<char>(cp);
        } else if (cp >= 0x20 && cp < 0x7F) {
            out += static_cast<char>(cp);
        } else if (cp == '\t') {
            out += "\\tab ";
        } else if (const int b = cp1252Byte(cp); b >= 0) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\'%02x", b);
            out += escape;
        } else if (cp >= 0x80) {
            // A signed 16-bit value for the plane's characters, then one replacement character.
            const long value = cp <= 0xFFFF ? static_cast<long>(cp) : 0xFFFD;
            out += "\\u" + std::to_string(value > 32767 ? value - 65536 : value) + "?";
        }
        // Other control characters are left out.
    }
}

} // namespace

ReportStyle ReportFontStyle(int style) {
    switch (style) {
    case 0:
        return {ReportColour::Black, true};
    case 1:
        return {ReportColour::Blue, true};
    case 2:
        return {ReportColour::Red, true};
    case 3:
        return {ReportColour::Green, false};
    case 5:
        return {ReportColour::Black, true};
    default:
        return {ReportColour::Black, false};
    }
}

ReportRgb ReportColourRgb(ReportColour colour) {
    switch (colour) {
    case ReportColour::Blue:
        return {0, 0, 255};
    case ReportColour::Red:
        return {255, 0, 0};
    case ReportColour::Green:
        return {0, 128, 0};
    case ReportColour::Black:
        break;
    }
    return {0, 0, 0};
}

std::vector<std::string> ReportDocument::plainLines() const {
    std::vector<std::string> texts;
    texts.reserve(lines.size());
    for (const ReportLine& line : lines) texts.push_back(line.text);
    return texts;
}

std::string WriteRichText(const ReportDocument& document) {
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fmodern\\fcharset0 ";
    appendEscaped(out, document.fontName);
    out += ";}}\r\n{\\colortbl ;";
    for (const ReportColour colour : kColourTable) {
        const ReportRgb rgb = ReportColourRgb(colour);
        out += "\\red" + std::to_string(rgb.red) + "\\green" + std::to_string(rgb.green) + "\\blue" +
               std::to_string(rgb.blue) + ";";
    }
    out += "}\r\n\\viewkind4\\uc1\\pard\\f0\\fs" + std::to_string(document.fontSize * 2) + "\r\n";
    for (const ReportLine& line : document.lines) {
        const ReportStyle style = ReportFontStyle(line.style);
        out += "\\cf" + std::to_string(colourIndex(style.colour)) + (style.bold ? "\\b " : "\\b0 ");
        appendEscaped(out, line.text);
        out += "\\par\r\n";
    }
    out += "}\r\n";
    return out;
}

void SaveRichText(const ReportDocument& document, const std::filesystem::path& file) {
    common::writeFileAtomically(file, WriteRichText(document));
}

} // namespace pelmora
