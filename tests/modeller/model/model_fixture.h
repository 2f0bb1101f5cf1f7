// Small fixtures of the model tests: a temporary program folder and SQLite tables made on the spot.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/model_error.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace model_test {

// A fresh empty folder under the system's temporary folder, removed with the object.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    // Writes `text` as it is to `relative` (folders made as needed) and returns the file's path.
    std::filesystem::path write(std::string_view relative, std::string_view text) const;

  private:
    std::filesystem::path path_;
};

// Runs SQL statements on the SQLite database file `file` (created when missing).
void runSql(const std::filesystem::path& file, const std::string& sql);

// The message of the ModelError that `action` raises, or "no error" when it raises none.
template <class Action> std::string modelErrorOf(Action&& action) {
    try {
        action();
    } catch (const pelmora::ModelError& e) {
        return e.what();
    }
    return "no error";
}

// A model whose program folder is `root`.
std::unique_ptr<pelmora::HouseModel> modelIn(const std::filesystem::path& root);

} // namespace model_test
