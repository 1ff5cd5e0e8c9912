// What every failed save must leave, whichever system call failed: one error box giving the
// reason, the window still open, the card as it was, and a next save that works.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "dialog/control_ids.h"
#include "fake_dialog_view.h"
#include "temp_folder.h"

namespace vesko::testing {

// `card`: the config.bin there before, none when empty. `with_failure` runs its argument
// with the failing call in place.
inline void ExpectFailedSaveThenSuccess(
    const std::vector<std::uint8_t>& card,
    const std::function<void(std::function<void()>)>& with_failure, const std::u16string& reason,
    bool file_untouched) {
    const TempFolder folder;
    if (!card.empty()) {
        WriteConfigBytes(card);
    }
    OpenedDialog d;
    d.view.Choose(IDC_TIME_ZONE, 3);
    with_failure([&d] { d.view.Click(IDOK); });
    ASSERT_EQ(d.view.messages.size(), 1u);
    EXPECT_EQ(d.view.messages[0].text, u"Could not write config.bin: " + reason + u".");
    EXPECT_EQ(d.view.messages[0].caption, u"Error");
    EXPECT_EQ(d.view.messages[0].icon, MessageIcon::kError);
    EXPECT_FALSE(d.view.ended().has_value()) << "the window stays open";
    if (file_untouched && card.empty()) {
        EXPECT_FALSE(std::filesystem::exists("config.bin")) << "an empty file would stay";
    } else if (file_untouched) {
        EXPECT_EQ(ReadConfigBytes(), card);
    }

    d.view.Click(IDOK);
    ASSERT_EQ(d.view.messages.size(), 2u);
    EXPECT_EQ(d.view.messages[1].caption, u"Success");
    EXPECT_EQ(ReadConfigBytes().at(8), 3);
}

}  // namespace vesko::testing
