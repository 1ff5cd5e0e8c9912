#include "settings/save_record.h"

#include "settings/setting_rules.h"

namespace vesko {

std::u16string TextAsTyped(const Setting& setting, std::u16string text,
                           std::u16string_view* message) {
    bool first = true;
    while (const auto refusal = TypingRefusal(setting, text)) {
        if (first && message != nullptr) {
            *message = *refusal;
        }
        first = false;
        text.pop_back();
    }
    return text;
}

bool KeptBySave(const SettingsRecord& card, const Setting& setting) {
    return IsWifiSetting(setting) && HasWifiLock(card);
}

// Each text is stored before the next is checked, as the window has always done, so a
// refusal leaves the earlier ones in the record.
SaveResult SaveRecord(const SettingsRecord& read, const SaveRequest& request, const Clock& clock) {
    SaveResult result{read, {}, {}, {}};
    for (const Setting& setting : kSettings) {
        if (KeptBySave(read, setting)) {
            continue;
        }
        if (setting.kind == SettingKind::kList) {
            if (const auto byte = request.Byte(setting)) {
                result.record.SetByte(setting.field, *byte);
                result.bytes.Add(setting.field);
            }
            continue;
        }
        std::optional<std::u16string> text = request.Text(setting);
        if (!text) {
            text = TextAsTyped(setting, FieldText(read, setting));
        }
        result.bytes.Add(setting.field);
        if (const auto refusal = SaveValue(result.record, setting, *text)) {
            result.refusal = SaveResult::Refusal{&setting, *refusal};
            return result;
        }
    }
    if (request.format) {
        RequestFormat(result.record, *request.format);
        result.bytes.Add(fields::kFormatSdCard);
    }
    result.time = StampTime(result.record, clock);
    result.bytes.Add(fields::kSaveTime);
    return result;
}

SettingsRecord SaveResult::Over(const SettingsRecord& file) const {
    SavedBytes written = bytes;
    for (const Setting& setting : kSettings) {
        if (KeptBySave(file, setting)) {
            written.Remove(setting.field);
        }
    }
    return written.Over(file, record);
}

}  // namespace vesko
