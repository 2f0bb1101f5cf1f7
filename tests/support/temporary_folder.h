// A folder of a test's own under the system's temporary folder.  Its name is made unique by the
// system when it is created, so two test programs (of one checkout or of two) running at the same time
// never share a folder, and it is removed with everything in it when the object goes.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace test_support {

class TemporaryFolder {
  public:
    // `stem` starts the folder's name, to tell whose folder it is.
    explicit TemporaryFolder(std::string_view stem = "test") {
        std::string pattern =
            (std::filesystem::temp_directory_path() / std::string(stem)).string() + "_XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a temporary folder like " + pattern);
        path_ = pattern;
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& relative) const { return path_ / relative; }

  private:
    std::filesystem::path path_;
};

} // namespace test_support
