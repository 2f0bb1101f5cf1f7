// One-value-per-line text files (house file, defaults file): integers as they are, reals in the
// 23-character form, booleans as TRUE and FALSE, texts as they are, lines ending in CR LF.  Files
// with LF line ends and 8-bit text read as well.  The reader names the file and the line of every
// value it cannot take.
#pragma once

#include "common/text_values.h"
#include "modeller/model/model_error.h"
#include "modeller/model/stored_fields.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

class ValueLineWriter {
  public:
    void integer(long long value) { out_.integer(value); }
    // Throws ModelError naming `name` for a value that is not a finite number.
    void real(double value, std::string_view name);
    void boolean(bool value) { out_.boolean(value); }
    // A line break inside a text would split it over two lines; each becomes a blank.
    void text(std::string_view value);

    template <class Record> void record(const Record& r, std::span<const StoredField<Record>> fields);

    const std::string& contents() const { return out_.text(); }
    // Writes the file through a temporary file beside it; throws ModelError naming the file.
    void save(const std::filesystem::path& file) const;

  private:
    common::TextFileWriter out_;
};

class ValueLineReader {
  public:
    ValueLineReader(std::vector<std::string> lines, std::string fileName)
        : lines_(std::move(lines)), fileName_(std::move(fileName)) {}
    // Reads the whole file; throws ModelError naming it when it cannot be read.
    static ValueLineReader open(const std::filesystem::path& file);

    // A whole number within lowest..highest: blanks before it are skipped, and a blank after it ends
    // it (the rest of the line is ignored).
    std::int32_t integer(std::string_view name, std::int32_t lowest = INT32_MIN,
                         std::int32_t highest = INT32_MAX);
    double real(std::string_view name);
    // True only for a line that is exactly TRUE.
    bool boolean();
    // The whole line, or its first maxLength characters (maxLength 0: any length).
    std::string text(std::size_t maxLength = 0);

    template <class Record> void record(Record& r, std::span<const StoredField<Record>> fields);

    // Line number (1-based) of the next line to be read.
    int nextLine() const { return static_cast<int>(next_) + 1; }
    bool atEnd() const { return next_ >= lines_.size(); }
    const std::string& fileName() const { return fileName_; }
    [[noreturn]] void fail(const std::string& what) const;

  private:
    const std::string& take();

    std::vector<std::string> lines_;
    std::string fileName_;
    std::size_t next_ = 0;
};

template <class Record>
void ValueLineWriter::record(const Record& r, std::span<const StoredField<Record>> fields) {
    for (const auto& f : fields) {
        std::visit(
            [&](auto member) {
                const auto& value = r.*member;
                using T = std::remove_cvref_t<decltype(value)>;
                if constexpr (std::is_same_v<T, std::int32_t>)
                    integer(value);
                else if constexpr (std::is_same_v<T, double>)
                    real(value, f.name);
                else if constexpr (std::is_same_v<T, bool>)
                    boolean(value);
                else if constexpr (std::is_same_v<T, std::string>)
                    text(value);
                else if constexpr (std::is_same_v<T, TPlanPoint>) {
                    integer(value.X);
                    integer(value.Y);
                } else {
                    for (std::int32_t v : value) integer(v);
                }
            },
            f.member);
    }
}

template <class Record> void ValueLineReader::record(Record& r, std::span<const StoredField<Record>> fields) {
    for (const auto& f : fields) {
        std::visit(
            [&](auto member) {
                auto& value = r.*member;
                using T = std::remove_cvref_t<decltype(value)>;
                if constexpr (std::is_same_v<T, std::int32_t>)
                    value = integer(f.name, f.lowest, f.highest);
                else if constexpr (std::is_same_v<T, double>)
                    value = real(f.name);
                else if constexpr (std::is_same_v<T, bool>)
                    value = boolean();
                else if constexpr (std::is_same_v<T, std::string>)
                    value = text(f.maxLength);
                else if constexpr (std::is_same_v<T, TPlanPoint>) {
                    value.X = integer(f.name, f.lowest, f.highest);
                    value.Y = integer(f.name, f.lowest, f.highest);
                } else {
                    for (std::int32_t& v : value) v = integer(f.name, f.lowest, f.highest);
                }
            },
            f.member);
    }
}

} // namespace pelmora
