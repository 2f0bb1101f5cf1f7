// Build tool of the help file: checks that every topic heading of the help source can be read and
// copies the source to the help file's place, so that a broken help source stops the build.
//   help_build <source> <help file>
#include "modeller/platform/help_service.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: help_build <source> <help file>\n";
        return 2;
    }
    try {
        const auto topics = platform::readHelpFile(argv[1]);
        if (topics.empty()) throw std::runtime_error("the help source holds no topic");
        std::filesystem::copy_file(argv[1], argv[2], std::filesystem::copy_options::overwrite_existing);
        std::cout << "help file with " << topics.size() << " topics\n";
    } catch (const std::exception& e) {
        std::cerr << argv[1] << ": " << e.what() << '\n';
        return 1;
    }
    return 0;
}
