#include "settings/save_record.h"

#include <algorithm>

#include "settings/setting_rules.h"

namespace vesko {

namespace {

const AskedValue* Asked(const SaveRequest& request, const Setting& setting) {
    const auto it = std::find_if(request.values.begin(), request.values.end(),
                                 [&setting](const AskedValue& v) { return v.setting == &setting; });
    return it == request.values.end() ? nullptr : &*it;
}

}  // namespace

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
    SaveResult result{read, {}, {}, {}, {}, {}};
    for (const Setting& setting : kSettings) {
        const AskedValue* asked = Asked(request, setting);
        if (KeptBySave(read, setting)) {
            if (asked != nullptr && asked->text != FieldText(read, setting)) {
                result.kept.push_back(&setting);
            }
            continue;
        }
        if (setting.kind == SettingKind::kList) {
            if (asked != nullptr) {
                result.record.SetByte(setting.field, asked->byte);
                result.bytes.Add(setting.field);
            }
            continue;
        }
        std::u16string text;
        if (asked != nullptr) {
            text = asked->text;
        } else {
            std::u16string_view message;
            std::u16string stored = FieldText(read, setting);
            text = TextAsTyped(setting, stored, &message);
            if (text != stored) {
                result.taken_back.push_back({&setting, std::move(stored), text, message});
            }
        }
        result.bytes.Add(setting.field);
        if (const auto refusal = SaveValue(result.record, setting, text)) {
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
