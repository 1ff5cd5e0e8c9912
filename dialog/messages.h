// Every text the settings dialog shows the user, apart from the template's captions and
// what the settings' own checks say (the settings schema). English: the window translates
// each where it shows it.
#pragma once

#include <array>
#include <string_view>

#include "settings/text_literal.h"

namespace vesko::messages {

inline constexpr std::u16string_view kWindowCaption = kText<u"Quorla Configuration">;
inline constexpr std::u16string_view kErrorCaption = kText<u"Error">;

// Saving.
inline constexpr std::u16string_view kSuccessCaption = kText<u"Success">;
inline constexpr std::u16string_view kSuccess =
    kText<u"SUCCESS:\n\nPlease click the Driver Event Button to update time.">;

// Confirmations.
inline constexpr std::u16string_view kFormatCaption = kText<u"Format SD Card">;
inline constexpr std::u16string_view kFormatWarning = kText<
    u"Warning: formatting will erase all data in SD card.\n\n"
    u"\"Ok\":Format( Click DVR \"PANIC KEY\" after \"OK(Save)\" button ).\n\n"
    u"\"Cancel\":Quit.">;
inline constexpr std::u16string_view kDefaultSetCaption = kText<u"Default Set">;
inline constexpr std::u16string_view kDefaultSetWarning = kText<
    u"Warning: all settings will restore the default values.\n\n"
    u"\"Ok\":Default Set( Click DVR \"PANIC KEY\" after \"OK(Save)\" button ).\n\n"
    u"\"Cancel\":Quit.">;

// The first write into a folder without config.bin asks first: a window opened anywhere but
// on the card would otherwise make one there and say "SUCCESS". %1: the folder, whole.
inline constexpr std::u16string_view kNewFileCaption = kText<u"New config.bin">;
inline constexpr std::u16string_view kNewFileQuestion = kText<
    u"There is no config.bin in %1. Is this the recorder's SD card? Yes writes a new "
    u"config.bin there.">;

// A save that finds config.bin other than the window showed it asks first: the intro, a
// line saying what differs, the question.
inline constexpr std::u16string_view kCardChangedCaption = kText<u"config.bin has changed">;
inline constexpr std::u16string_view kCardChangedIntro =
    kText<u"config.bin on the card is no longer what this window showed.">;
inline constexpr std::u16string_view kCardChangedQuestion = kText<
    u"Save anyway? \"Yes\" writes the settings of this window and keeps everything else as "
    u"the card holds it now. \"No\" writes nothing.">;
// The same for "Default Set".
inline constexpr std::u16string_view kCardChangedResetQuestion = kText<
    u"Restore the default values anyway? \"Yes\" writes them and keeps the recorder's own "
    u"bytes as the card holds them now. \"No\" writes nothing.">;
inline constexpr std::u16string_view kChangedUnreadAtStart = kText<
    u"It could not be read when this window opened, so the window showed the factory settings">;
inline constexpr std::u16string_view kChangedFileGone =
    kText<u"It is no longer on the card; this may be another card.">;
inline constexpr std::u16string_view kChangedFileNew =
    kText<u"It was not on the card when this window opened; this may be another card">;
// %1: the firmware version the card holds now, %2: the one the window showed.
inline constexpr std::u16string_view kChangedFirmware =
    kText<u"Its firmware version is now \"%1\", not \"%2\"; this may be another recorder's card.">;
// %1: one of the sentences above that ends without a period; %2: a firmware version.
inline constexpr std::u16string_view kSentence = kText<u"%1.">;
inline constexpr std::u16string_view kSentenceWithFirmware =
    kText<u"%1 (firmware version \"%2\").">;
// %1: the names of the settings, joined two at a time by kListJoin.
inline constexpr std::u16string_view kChangedSettings = kText<u"Another program has changed: %1.">;
inline constexpr std::u16string_view kListJoin = kText<u"%1, %2">;
inline constexpr std::u16string_view kChangedFormatRequest = kText<u"the format request">;
inline constexpr std::u16string_view kChangedOtherBytes =
    kText<u"Another program has saved it since this window opened.">;
inline constexpr std::u16string_view kChangedEmpty =
    kText<u"It is empty now; another program may have cut it short.">;
// %1: its length in bytes, fewer than 128.
inline constexpr std::u16string_view kChangedShort =
    kText<u"It is only %1 bytes long now; another program may have cut it short.">;
inline constexpr std::u16string_view kChangedReplaced =
    kText<u"Another file with the same settings has taken its place; this may be another card.">;
// After the line above, where the answer to "Format SD Card" differs from the card's: an
// answer belongs to the card it was given for.
inline constexpr std::u16string_view kFormatGoesAlong =
    kText<u"\"Yes\" also asks the recorder of this card to format it, erasing its videos.">;
inline constexpr std::u16string_view kFormatWithdrawalGoesAlong =
    kText<u"\"Yes\" also withdraws this card's request to be formatted.">;

inline constexpr std::array kAll = {
    kWindowCaption,
    kErrorCaption,
    kSuccessCaption,
    kSuccess,
    kFormatCaption,
    kFormatWarning,
    kDefaultSetCaption,
    kDefaultSetWarning,
    kNewFileCaption,
    kNewFileQuestion,
    kCardChangedCaption,
    kCardChangedIntro,
    kCardChangedQuestion,
    kCardChangedResetQuestion,
    kChangedUnreadAtStart,
    kChangedFileGone,
    kChangedFileNew,
    kChangedFirmware,
    kSentence,
    kSentenceWithFirmware,
    kChangedSettings,
    kChangedFormatRequest,
    kChangedOtherBytes,
    kChangedEmpty,
    kChangedShort,
    kChangedReplaced,
    kFormatGoesAlong,
    kFormatWithdrawalGoesAlong,
    kListJoin,
};

}  // namespace vesko::messages
