#include "dialog/card_change.h"

#include <algorithm>
#include <string>

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

std::u16string Changed(const CardFile& shown_file, const CardFile& now_file) {
    const std::size_t size = now_file.content.size();
    if (size != shown_file.content.size() && size < SettingsRecord::kSize) {
        return size == 0 ? Tr(messages::kChangedEmpty)
                         : TrFill(messages::kChangedShort, {FromUtf8(std::to_string(size))});
    }
    if (now_file.content == shown_file.content) {
        return Tr(messages::kChangedReplaced);
    }
    const SettingsRecord shown = shown_file.Record();
    const SettingsRecord now = now_file.Record();
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
                                         const std::optional<SettingsRecord>& tried,
                                         const FoundSettings& now) {
    if (!now) {
        // Nothing on the card to overwrite, unless the window showed a file that is gone.
        return shown && !unread ? std::optional<std::u16string>(Tr(messages::kChangedFileGone))
                                : std::nullopt;
    }
    const SettingsRecord record = now->Record();
    if (unread) {
        return Unseen(messages::kChangedUnreadAtStart, record);
    }
    // The file a failed write began on, or a new file it left, holds its bytes and the old.
    if (tried && (!shown || shown->identity == now->identity) &&
        EachByteFrom(record, shown ? shown->Record() : SettingsRecord(), *tried)) {
        return std::nullopt;
    }
    if (!shown) {
        return Unseen(messages::kChangedFileNew, record);
    }
    if (shown->Same(*now)) {
        return std::nullopt;
    }
    return Changed(*shown, *now);
}

}  // namespace vesko
