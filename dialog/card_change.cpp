#include "dialog/card_change.h"

#include <algorithm>

#include "dialog/messages.h"
#include "settings/settings_schema.h"
#include "settings/text_conversion.h"
#include "settings/translation.h"

namespace vesko {

namespace {

std::u16string Firmware(const SettingsRecord& record) {
    return FirmwareVersionText(record.View(fields::kFirmwareVersion));
}

bool Differs(const SettingsRecord& a, const SettingsRecord& b, Field field) {
    const auto left = a.View(field);
    const auto right = b.View(field);
    return !std::equal(left.begin(), left.end(), right.begin());
}

// A file found now that the window never showed: which recorder's it is.
std::u16string Unseen(std::u16string_view why, const SettingsRecord& now) {
    const std::u16string firmware = Firmware(now);
    if (firmware.empty()) {
        return TrFill(messages::kSentence, {Tr(why)});
    }
    return TrFill(messages::kSentenceWithFirmware, {Tr(why), firmware});
}

std::u16string Changed(const SettingsRecord& shown, const SettingsRecord& now) {
    if (Differs(shown, now, fields::kFirmwareVersion)) {
        return TrFill(messages::kChangedFirmware, {Firmware(now), Firmware(shown)});
    }
    std::u16string names;
    const auto add = [&names](std::u16string_view name) {
        names = names.empty() ? std::u16string(name) : TrFill(messages::kListJoin, {names, name});
    };
    for (const Setting& setting : kSettings) {
        if (Differs(shown, now, setting.field)) {
            add(DisplayName(setting));
        }
    }
    if (Differs(shown, now, fields::kFormatSdCard)) {
        add(Tr(messages::kChangedFormatRequest));
    }
    if (names.empty()) {
        return Tr(messages::kChangedOtherBytes);
    }
    return TrFill(messages::kChangedSettings, {names});
}

// A save cut short leaves some of its bytes and some of the old ones.
bool EachByteFrom(const SettingsRecord& now, const SettingsRecord& shown,
                  const SettingsRecord& tried) {
    for (std::size_t i = 0; i < SettingsRecord::kSize; ++i) {
        if (now.bytes()[i] != shown.bytes()[i] && now.bytes()[i] != tried.bytes()[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<std::u16string> CardChange(const FoundSettings& shown, bool unread,
                                         const FoundSettings& tried, const FoundSettings& now) {
    if (!now) {
        // Nothing on the card to overwrite, unless the window showed a file that is gone.
        return shown && !unread ? std::optional<std::u16string>(Tr(messages::kChangedFileGone))
                                : std::nullopt;
    }
    if (unread) {
        return Unseen(messages::kChangedUnreadAtStart, *now);
    }
    // A new file that a failed save left holds its bytes and zeros.
    if (tried && EachByteFrom(*now, shown.value_or(SettingsRecord()), *tried)) {
        return std::nullopt;
    }
    if (!shown) {
        return Unseen(messages::kChangedFileNew, *now);
    }
    if (shown->bytes() == now->bytes()) {
        return std::nullopt;
    }
    return Changed(*shown, *now);
}

}  // namespace vesko
