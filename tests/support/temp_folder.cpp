#include "temp_folder.h"

#include "settings/folder_path.h"
#include "settings/settings_file.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>

namespace vesko::testing {

TempFolder::TempFolder() : previous_(std::filesystem::current_path()) {
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate =
            std::filesystem::temp_directory_path() / ("vesko-test-" + std::to_string(seed()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            std::filesystem::current_path(path_);
            return;
        }
    }
    throw std::runtime_error("could not create a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::uint8_t> ReadConfigBytes() {
    std::ifstream in("config.bin", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteConfigBytes(const std::vector<std::uint8_t>& bytes) {
    std::ofstream out("config.bin", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

bool ResetConfigToZeros(const std::filesystem::path& folder) {
    WriteSettingsFile(FolderOf(folder), SettingsRecord(), SaveKind::kReset);
    return true;
}

}  // namespace vesko::testing
