// A fresh folder that is the current directory for the lifetime of the object, since the
// program works on config.bin by relative name.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace vesko::testing {

class TempFolder {
public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

std::vector<std::uint8_t> ReadConfigBytes();
void WriteConfigBytes(const std::vector<std::uint8_t>& bytes);

// A factory reset that writes zeros over the first 128 bytes, into a new file in `folder`.
bool ResetConfigToZeros(const std::filesystem::path& folder = {});

}  // namespace vesko::testing
