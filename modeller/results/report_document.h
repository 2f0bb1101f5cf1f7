// A small rich-text document of fixed-column report lines: each line is one paragraph in one text
// style (colour and weight) of one monospaced font.  The same document is written as a rich-text file
// and shown (and printed) by the report window, so what the file holds and what the window shows
// cannot drift apart.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

enum class ReportColour { Black, Blue, Red, Green };

struct ReportStyle {
    ReportColour colour = ReportColour::Black;
    bool bold = false;
    bool operator==(const ReportStyle&) const = default;
};

// The report's text styles 0..5: 0 black bold, 1 blue bold, 2 red bold, 3 green plain, 4 black plain,
// 5 black bold.  Any other number is style 4.
ReportStyle ReportFontStyle(int style);

// The colour as red, green and blue components 0..255.
struct ReportRgb {
    int red, green, blue;
};
ReportRgb ReportColourRgb(ReportColour colour);

struct ReportLine {
    int style = 4;    // 0..5, as ReportFontStyle
    std::string text; // UTF-8
    bool operator==(const ReportLine&) const = default;
};

struct ReportDocument {
    std::string fontName = "Courier New";
    int fontSize = 9; // points
    std::vector<ReportLine> lines;

    void add(int style, std::string text) { lines.push_back({style, std::move(text)}); }
    // The lines' plain texts.
    std::vector<std::string> plainLines() const;
};

// The document as a rich-text file: a font table of the one font, a colour table, then one paragraph
// per line with its colour and weight.  Characters outside ASCII are written as code page 1252
// escapes where they have one (the superscript two of "m²" among them) and as Unicode escapes
// otherwise.  Lines of the file end in CR LF.
std::string WriteRichText(const ReportDocument& document);

// Writes the rich text to `file`, replacing an existing file.  Raises std::runtime_error naming the
// file when it cannot be written; an existing file then stays as it was.
void SaveRichText(const ReportDocument& document, const std::filesystem::path& file);

} // namespace pelmora
