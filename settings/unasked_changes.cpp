// Apart from the save itself, so that a program that never asks (vesko.exe) does not carry it.
#include "settings/save_record.h"
#include "settings/setting_rules.h"

namespace vesko {

UnaskedChanges UnaskedChangesOf(const SettingsRecord& read, const SaveRequest& request) {
    UnaskedChanges changes;
    for (const Setting& setting : kSettings) {
        if (setting.kind == SettingKind::kList) {
            continue;
        }
        const std::optional<std::u16string> asked = request.Text(setting);
        std::u16string stored = FieldText(read, setting);
        if (KeptBySave(read, setting)) {
            if (asked && *asked != stored) {
                changes.kept.push_back(&setting);
            }
        } else if (!asked) {
            std::u16string_view message;
            std::u16string now = TextAsTyped(setting, stored, &message);
            if (now != stored) {
                changes.taken_back.push_back(
                    {&setting, std::move(stored), std::move(now), message});
            }
        }
    }
    return changes;
}

}  // namespace vesko
