#include "framed_records.h"

#include <array>
#include <system_error>

namespace common {

namespace {

std::array<char, 4> littleEndian(std::uint32_t n) {
    return {static_cast<char>(n & 0xff), static_cast<char>((n >> 8) & 0xff),
            static_cast<char>((n >> 16) & 0xff), static_cast<char>((n >> 24) & 0xff)};
}

std::uint32_t fromLittleEndian(const char* p) {
    auto b = [p](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(p[i])); };
    return b(0) | (b(1) << 8) | (b(2) << 16) | (b(3) << 24);
}

} // namespace

void Record::putText(const std::string& text, std::size_t width) {
    std::string padded = text.substr(0, width);
    padded.resize(width, ' ');
    bytes_.insert(bytes_.end(), padded.begin(), padded.end());
}

std::string Record::getText(std::size_t width) {
    const char* p = take(width);
    return std::string(p, width);
}

const char* Record::take(std::size_t n) {
    if (remaining() < n) throw RecordError("record too short: wanted " + std::to_string(n) + " more bytes");
    const char* p = bytes_.data() + read_;
    read_ += n;
    return p;
}

RecordWriter::RecordWriter(const std::filesystem::path& file)
    : name_(file), out_(file, std::ios::binary | std::ios::trunc) {
    if (!out_) throw RecordError("Cannot create " + file.string());
}

void RecordWriter::write(const Record& record) {
    const auto length = littleEndian(static_cast<std::uint32_t>(record.size()));
    out_.write(length.data(), 4);
    out_.write(record.bytes().data(), static_cast<std::streamsize>(record.size()));
    out_.write(length.data(), 4);
    if (!out_) throw RecordError("Cannot write " + name_.string());
}

void RecordWriter::flush() {
    out_.flush();
    if (!out_) throw RecordError("Cannot write " + name_.string());
}

void RecordWriter::close() {
    out_.close();
    if (!out_) throw RecordError("Cannot write " + name_.string());
}

RecordReader::RecordReader(const std::filesystem::path& file) : name_(file), in_(file, std::ios::binary) {
    if (!in_) throw RecordError("Cannot open " + file.string());
    std::error_code error;
    size_ = std::filesystem::file_size(file, error);
    if (error) throw RecordError("Cannot open " + file.string());
}

bool RecordReader::next(Record& record) {
    constexpr std::uintmax_t kFrame = 8; // the length before and after the record
    char head[4];
    in_.read(head, 4);
    if (in_.gcount() == 0 && in_.eof()) return false;
    if (in_.gcount() != 4) throw RecordError("Truncated record in " + name_.string());
    const std::uint32_t length = fromLittleEndian(head);
    if (position_ + kFrame > size_ || length > size_ - position_ - kFrame)
        throw RecordError("Record longer than the rest of the file in " + name_.string());
    position_ += kFrame + length;
    record.clear();
    record.bytes().resize(length);
    in_.read(record.bytes().data(), length);
    char tail[4];
    if (static_cast<std::uint32_t>(in_.gcount()) == length) in_.read(tail, 4);
    if (!in_ || in_.gcount() != 4) throw RecordError("Truncated record in " + name_.string());
    if (fromLittleEndian(tail) != length) throw RecordError("Corrupt record framing in " + name_.string());
    return true;
}

void RecordReader::rewind() {
    in_.clear();
    in_.seekg(0);
    position_ = 0;
}

} // namespace common
