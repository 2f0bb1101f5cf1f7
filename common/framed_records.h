// Sequential files of unformatted records (the material file, the glazing libraries, the engine's
// work file).  Each record is framed by its length in bytes as a 4-byte little-endian integer, before
// and after the record's bytes.
#pragma once

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

namespace common {

class RecordError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One record's bytes, built value by value or read value by value.
class Record {
  public:
    template <class T> void put(const T& value) {
        static_assert(std::is_trivially_copyable_v<T>);
        const auto* p = reinterpret_cast<const char*>(&value);
        bytes_.insert(bytes_.end(), p, p + sizeof(T));
    }
    void putText(const std::string& text, std::size_t width); // blank-padded to width

    // Throws RecordError when the record has fewer bytes left than asked for.
    template <class T> T get() {
        static_assert(std::is_trivially_copyable_v<T>);
        T value;
        std::memcpy(&value, take(sizeof(T)), sizeof(T));
        return value;
    }
    std::string getText(std::size_t width);

    std::size_t size() const { return bytes_.size(); }
    std::size_t remaining() const { return bytes_.size() - read_; }
    void clear() {
        bytes_.clear();
        read_ = 0;
    }
    std::vector<char>& bytes() { return bytes_; }
    const std::vector<char>& bytes() const { return bytes_; }
    void rewind() { read_ = 0; }

  private:
    const char* take(std::size_t n);

    std::vector<char> bytes_;
    std::size_t read_ = 0;
};

class RecordWriter {
  public:
    // Throws RecordError naming the file when it cannot be created.
    explicit RecordWriter(const std::filesystem::path& file);
    void write(const Record& record);
    // Hands what is written to the file, so that a reader sees it; throws RecordError when something
    // could not be written.
    void flush();
    // Flushes and closes; throws RecordError when something could not be written.
    void close();

  private:
    std::filesystem::path name_;
    std::ofstream out_;
};

class RecordReader {
  public:
    // Throws RecordError naming the file when it cannot be opened.
    explicit RecordReader(const std::filesystem::path& file);
    // Reads the next record into `record`.  Returns false at the end of the file; throws RecordError
    // naming the file for a truncated record or lengths that disagree.  A length longer than what
    // is left of the file is refused before anything is allocated for it.
    bool next(Record& record);
    void rewind();

  private:
    std::filesystem::path name_;
    std::ifstream in_;
    std::uintmax_t size_ = 0;     // bytes of the file
    std::uintmax_t position_ = 0; // bytes of the records read so far
};

} // namespace common
