// Whatever config.bin holds, opening it and saving without a change keeps every byte but
// the time stamp, the text characters the load-time check removes, and the zeros a short
// file gains.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "dialog/control_ids.h"
#include "fake_dialog_view.h"
#include "temp_folder.h"

namespace vesko {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kFiles = 10000;

struct TextSpan {
    std::size_t offset;
    std::size_t width;
};
constexpr TextSpan kVehicleNumber{20, 15};
constexpr TextSpan kPassword{35, 20};
constexpr TextSpan kSsid{55, 20};

// Written from the rule's description, not from the dialog's code: the text runs to its first
// zero byte, and while its last character is neither printable ASCII nor a line break it
// goes.
std::size_t KeptLength(const Bytes& record, TextSpan span) {
    std::size_t length = 0;
    while (length < span.width && record[span.offset + length] != 0) {
        ++length;
    }
    while (length > 0) {
        const std::uint8_t last = record[span.offset + length - 1];
        if ((last >= 0x20 && last <= 0x7E) || last == '\r' || last == '\n') {
            break;
        }
        --length;
    }
    return length;
}

Bytes RandomFile(std::mt19937& random, std::size_t length) {
    Bytes file(length);
    std::generate(file.begin(), file.end(),
                  [&random] { return static_cast<std::uint8_t>(random()); });
    // Half the files carry Wi-Fi texts a save accepts, so that most of those are saved.
    if (random() % 2 == 0 && length >= 75) {
        const std::size_t password = 8 + random() % 13;
        for (std::size_t i = 0; i < 20; ++i) {
            file[35 + i] = i < password ? static_cast<std::uint8_t>('0' + random() % 75) : 0;
            file[55 + i] =
                i < 1 + random() % 20 ? static_cast<std::uint8_t>('A' + random() % 26) : 0;
        }
    }
    return file;
}

TEST(RoundTripPropertyTest, LoadAndSaveChangeNothingTheUserDidNot) {
    testing::TempFolder folder;
    std::mt19937 random(20261207);
    int saved = 0;
    for (int n = 0; n < kFiles; ++n) {
        const std::size_t length = static_cast<std::size_t>(n % 301);
        const Bytes file = RandomFile(random, length);
        testing::WriteConfigBytes(file);

        testing::OpenedDialog d;
        d.view.Click(IDOK);

        Bytes expected = file;
        if (expected.size() < 128) {
            expected.resize(128, 0);
        }
        const bool refused =
            KeptLength(expected, kPassword) < 8 || KeptLength(expected, kSsid) == 0;
        const bool succeeded =
            !d.view.messages.empty() && d.view.messages.back().caption == u"Success";
        ASSERT_EQ(succeeded, !refused) << "file " << n;
        if (refused) {
            ASSERT_EQ(testing::ReadConfigBytes(), file) << "file " << n;
            continue;
        }
        ++saved;
        for (const TextSpan span : {kVehicleNumber, kPassword, kSsid}) {
            for (std::size_t i = KeptLength(expected, span); i < span.width; ++i) {
                expected[span.offset + i] = 0;
            }
        }
        const Bytes stamp = testing::SavedAt(SettingsRecord());
        std::copy(stamp.begin() + 100, stamp.begin() + 112, expected.begin() + 100);
        ASSERT_EQ(testing::ReadConfigBytes(), expected) << "file " << n;
    }
    EXPECT_GT(saved, kFiles / 3) << "too few files were saved to say much";
}

}  // namespace
}  // namespace vesko
