// vesko.exe's packed catalogs against the .mo files they were packed from, through the
// program's own list of texts; and the blocks of deflate the real catalogs do not use.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "dialog/all_texts.h"
#include "settings/inflate.h"
#include "settings/mo_catalog.h"
#include "settings/packed_catalog.h"
#include "settings/text_conversion.h"

namespace vesko {
namespace {

std::vector<std::uint8_t> Bytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(PackedCatalogTest, EveryLanguageTranslatesAsItsMoFile) {
    const std::vector<std::u16string> keys = CatalogKeys();
    int languages = 0;
    for (const auto& file : std::filesystem::directory_iterator(VESKO_CATALOG_FOLDER)) {
        if (file.path().extension() != ".mo") {
            continue;
        }
        ++languages;
        const std::string language = file.path().stem().string();
        const std::vector<std::uint8_t> mo = Bytes(file.path());
        const std::vector<std::uint8_t> packed =
            Bytes(std::filesystem::path(file.path()).replace_extension(".packed"));
        const MoCatalog expected(mo);
        const PackedCatalog catalog(packed, keys);
        std::size_t translated = 1;  // the .mo file's header
        for (const std::u16string& key : keys) {
            const std::optional<std::string> translation = expected.Find(ToUtf8(key));
            translated += translation ? 1u : 0u;
            EXPECT_EQ(catalog.Find(key),
                      translation ? std::optional(FromUtf8(*translation)) : std::nullopt)
                << language << ": " << ToUtf8(key);
        }
        EXPECT_EQ(translated, std::size_t{mo[8]} | std::size_t{mo[9]} << 8u)
            << language << " has texts the program lacks";
        EXPECT_EQ(catalog.Find(u"MPH (0-255)"), std::nullopt) << language;
        const PackedCatalog other_list(packed, {keys.begin(), keys.end() - 1});
        EXPECT_EQ(other_list.Find(keys.front()), std::nullopt) << language;
    }
    EXPECT_GE(languages, 10);
}

TEST(PackedCatalogTest, InflatesStoredAndFixedBlocksRefusesATruncatedOne) {
    const std::vector<std::uint8_t> stored = {0x01, 0x05, 0x00, 0xfa, 0xff,
                                              0x76, 0x65, 0x73, 0x6b, 0x6f};
    const std::vector<std::uint8_t> fixed = {0x2b, 0x4b, 0x2d, 0xce, 0xce,
                                             0x57, 0x28, 0x43, 0x90, 0x00};
    const auto text = [](const std::optional<std::vector<std::uint8_t>>& bytes) {
        return bytes ? std::optional<std::string>(std::string(bytes->begin(), bytes->end()))
                     : std::nullopt;
    };
    EXPECT_EQ(text(Inflate(stored, {}, 100)), "vesko");
    EXPECT_EQ(text(Inflate(fixed, {}, 100)), "vesko vesko vesko");
    EXPECT_EQ(text(Inflate(fixed, {}, 16)), std::nullopt);
    EXPECT_EQ(text(Inflate(std::span(fixed).first(8), {}, 100)), std::nullopt);
}

}  // namespace
}  // namespace vesko
