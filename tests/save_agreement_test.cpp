// The window and vesko-cli save through one core: for any card, an unchanged save writes the
// same bytes through both, or both refuse it with the same message.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

#include "app/cli/cli.h"
#include "dialog/control_ids.h"
#include "fake_dialog_view.h"
#include "settings/text_conversion.h"
#include "temp_folder.h"

namespace vesko {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kCards = 3000;

// Random bytes, most with Wi-Fi texts a save takes, some with a password too short and some
// from a recorder without Wi-Fi, so that saves and refusals both come often; one in ten of
// another size.
Bytes RandomCard(std::mt19937& random) {
    SettingsRecord record;
    std::generate(record.bytes().begin(), record.bytes().end(),
                  [&random] { return static_cast<std::uint8_t>(random()); });
    const std::size_t password = random() % 4 == 0 ? random() % 8 : 8 + random() % 13;
    record.SetText(fields::kWifiPassword, std::u16string(password, u'p'));
    record.SetText(fields::kWifiSsid, std::u16string(1 + random() % 20, u'S'));
    if (random() % 4 == 0) {
        record.SetText(fields::kFirmwareVersion, u"DV302-1.07");
    }
    Bytes card(record.bytes().begin(), record.bytes().end());
    if (random() % 10 == 0) {
        card.resize(random() % 200, 0x41);
    }
    return card;
}

TEST(SaveAgreementTest, AnUnchangedSaveWritesTheSameThroughTheWindowAndTheCommandLine) {
    testing::TempFolder folder;
    std::mt19937 random(20261208);
    int saved = 0;
    for (int n = 0; n < kCards; ++n) {
        const Bytes card = RandomCard(random);
        testing::WriteConfigBytes(card);
        testing::OpenedDialog d;
        d.view.Click(IDOK);
        const Bytes by_window = testing::ReadConfigBytes();
        const bool window_saved =
            !d.view.messages.empty() && d.view.messages.back().caption == u"Success";

        testing::WriteConfigBytes(card);
        std::ostringstream out;
        std::ostringstream err;
        std::istringstream in;
        const int status = cli::RunCli({"stamp-time", "."}, out, err, in, d.clock);
        ASSERT_EQ(status == 0, window_saved) << "card " << n << ": " << err.str();
        if (window_saved) {
            ASSERT_EQ(testing::ReadConfigBytes(), by_window) << "card " << n;
            ++saved;
        } else {
            ASSERT_FALSE(d.view.messages.empty()) << "card " << n;
            const std::string message = ToUtf8(d.view.messages.back().text);
            ASSERT_NE(err.str().find(": " + message), std::string::npos)
                << "card " << n << ": the window said " << message << "; vesko-cli " << err.str();
            ASSERT_EQ(testing::ReadConfigBytes(), card) << "card " << n;
        }
    }
    EXPECT_GT(saved, kCards / 2);
    EXPECT_LT(saved, kCards * 9 / 10) << "too few refusals to say much";
}

}  // namespace
}  // namespace vesko
