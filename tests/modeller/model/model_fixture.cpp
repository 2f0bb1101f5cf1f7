#include "model_fixture.h"

#include <sqlite3.h>

#include <atomic>
#include <fstream>
#include <random>
#include <stdexcept>

namespace model_test {

TempFolder::TempFolder() {
    static std::atomic<int> serial{0};
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            ("pelmora_model_test_" + std::to_string(seed()) + "_" + std::to_string(serial++));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempFolder::write(std::string_view relative, std::string_view text) const {
    const auto file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << text;
    return file;
}

void runSql(const std::filesystem::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open(file.string().c_str(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot create " + file.string());
    }
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    std::string why = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("SQL failed: " + why);
}

std::unique_ptr<pelmora::HouseModel> modelIn(const std::filesystem::path& root) {
    auto model = std::make_unique<pelmora::HouseModel>();
    model->RootDir = root.string();
    return model;
}

} // namespace model_test
