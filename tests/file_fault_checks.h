// What the POSIX and the Windows fault suites both check, whichever system call failed: the
// reasons the user reads, a failed save, and a Default Set whose delete failed.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dialog/control_ids.h"
#include "fake_dialog_view.h"
#include "settings/defaults.h"
#include "temp_folder.h"

namespace vesko::testing {

inline constexpr char16_t kWriteProtected[] =
    u"The card is write-protected; slide the lock switch on its side to unlock it";
inline constexpr char16_t kCardGone[] = u"The card is not there any more; insert it and try again";
inline constexpr char16_t kCardFull[] = u"The card is full; make room on it and try again";
inline constexpr char16_t kInUse[] = u"The file is in use by another program";
inline constexpr char16_t kIoError[] =
    u"The card reported an error reading or writing it; it may be worn out or damaged";

// The error box's text for `action` ("Could not read", ...) failing for `reason`.
inline std::u16string Report(std::u16string_view action, std::u16string_view reason) {
    return std::u16string(action) + u" config.bin: " + std::u16string(reason) + u".";
}

// A failed save's message: once the write into an existing file began, the card may hold
// part of it.
inline std::u16string SaveFailure(std::u16string_view reason, bool write_began) {
    return Report(u"Could not write", reason) +
           (write_began ? u" The card may hold part of the new settings; saving again is safe."
                        : u"");
}

// A card as a recorder leaves it: its own firmware version, a setting off the defaults.
inline std::vector<std::uint8_t> RecorderFile() {
    SettingsRecord record = FactoryDefaults();
    record.SetText(fields::kFirmwareVersion, u"QX100");
    record.SetByte(fields::kTimeZone, 20);
    return {record.bytes().begin(), record.bytes().end()};
}

// The factory settings on the card of RecorderFile().
inline SettingsRecord RecorderDefaults() {
    SettingsRecord record = FactoryDefaults();
    record.SetText(fields::kFirmwareVersion, u"QX100");
    return record;
}

// `card`: the config.bin there before, none when empty. `with_failure` runs its argument
// with the failing call in place.
inline void ExpectFailedSaveThenSuccess(
    const std::vector<std::uint8_t>& card,
    const std::function<void(std::function<void()>)>& with_failure, const std::u16string& message,
    bool file_untouched) {
    const TempFolder folder;
    if (!card.empty()) {
        WriteConfigBytes(card);
    }
    OpenedDialog d;
    d.view.Choose(IDC_TIME_ZONE, 3);
    with_failure([&d] { d.view.Click(IDOK); });
    EXPECT_EQ(TakeNewFileQuestions(d.view), card.empty() ? 1 : 0);
    ASSERT_EQ(d.view.messages.size(), 1u);
    EXPECT_EQ(d.view.messages[0].text, message);
    EXPECT_EQ(d.view.messages[0].caption, u"Error");
    EXPECT_EQ(d.view.messages[0].icon, MessageIcon::kError);
    EXPECT_FALSE(d.view.ended().has_value()) << "the window stays open";
    if (file_untouched && card.empty()) {
        EXPECT_FALSE(std::filesystem::exists("config.bin")) << "an empty file would stay";
    } else if (file_untouched) {
        EXPECT_EQ(ReadConfigBytes(), card);
    }

    d.view.Click(IDOK);  // over what the failed save left: nothing to ask about
    // Where it left no file, the first Yes does not hold: the card may be another now.
    EXPECT_EQ(TakeNewFileQuestions(d.view), card.empty() && file_untouched ? 1 : 0);
    ASSERT_EQ(d.view.messages.size(), 2u);
    EXPECT_EQ(d.view.messages[1].caption, u"Success");
    EXPECT_EQ(ReadConfigBytes().at(8), 3);
}

// The user confirmed a reset that did not happen: they are told, the card keeps its old
// file byte for byte with no new one beside it, and the window is as it was; Default Set
// again then works without a question.
inline void ExpectFailedDefaultSetChangesNothing(
    const std::function<void(std::function<void()>)>& with_failure, std::u16string_view reason) {
    const TempFolder folder;
    WriteConfigBytes(RecorderFile());
    OpenedDialog d;
    d.view.Choose(IDC_TIME_ZONE, 3);
    with_failure([&d] { d.view.Click(IDC_DEFAULT_SET); });
    EXPECT_EQ(d.view.SelectedEntry(IDC_TIME_ZONE), u"GMT -9:00 AKST") << "no reload";
    ASSERT_EQ(d.view.messages.size(), 2u) << "the confirmation, then the failure";
    EXPECT_EQ(d.view.messages[1].text, Report(u"Could not write", reason));
    EXPECT_EQ(d.view.messages[1].icon, MessageIcon::kError);
    EXPECT_EQ(ReadConfigBytes(), RecorderFile());
    EXPECT_FALSE(std::filesystem::exists("config.bin.vesko-new"));
    d.view.Click(IDC_DEFAULT_SET);
    EXPECT_EQ(d.view.messages.size(), 3u);
    EXPECT_EQ(ReadConfigBytes(), SavedAt(RecorderDefaults()));
}

}  // namespace vesko::testing
