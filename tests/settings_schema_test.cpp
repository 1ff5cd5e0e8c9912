// The settings schema against itself, the record and the dialog template; and which
// settings the switches make irrelevant.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "dialog/control_ids.h"
#include "dialog/dialog_template.h"
#include "settings/defaults.h"
#include "settings/setting_rules.h"

namespace vesko {
namespace {

bool IsInput(const ControlTemplate& control) {
    return control.kind == ControlKind::kDropDownList || control.kind == ControlKind::kEdit;
}

TEST(SettingsSchemaTest, KeysNamesAndBytesAreEachOnesOwn) {
    std::set<std::string_view> keys;
    std::set<std::u16string> names;
    std::vector<bool> taken(SettingsRecord::kSize, false);
    auto claim = [&taken](Field field, std::string_view key) {
        ASSERT_LE(field.offset + field.size, SettingsRecord::kSize) << key;
        for (std::size_t i = field.offset; i < field.offset + field.size; ++i) {
            EXPECT_FALSE(taken[i]) << key << " shares byte " << i;
            taken[i] = true;
        }
    };
    for (const Setting& setting : kSettings) {
        EXPECT_TRUE(keys.insert(setting.key).second) << setting.key;
        EXPECT_TRUE(names.insert(DisplayName(setting)).second) << setting.key;
        claim(setting.field, setting.key);
        if (setting.kind == SettingKind::kList) {
            ASSERT_NE(setting.table, nullptr) << setting.key;
            EXPECT_EQ(setting.field.size, 1u) << setting.key;
            EXPECT_LE(setting.table->entries.size() + setting.table->first_value, 256u);
        } else {
            EXPECT_GT(setting.max_typed, 0u) << setting.key;
        }
    }
    for (const RecorderField& field : kRecorderFields) {
        EXPECT_EQ(FindSetting(field.key), nullptr) << field.key;
        claim(field.field, field.key);
    }
    EXPECT_EQ(std::count(taken.begin(), taken.end(), false), 0) << "every byte is named";
}

TEST(SettingsSchemaTest, EveryInputOfTheWindowShowsOneSettingUnderItsLabel) {
    std::set<std::string_view> shown;
    for (const ControlTemplate& control : kSettingsDialog.controls) {
        if (!IsInput(control) || (control.styles & kReadOnly) != 0) {
            continue;
        }
        const Setting* setting = FindSetting(control.key);
        ASSERT_NE(setting, nullptr) << control.name;
        EXPECT_TRUE(shown.insert(control.key).second) << control.name << " shows it twice";
        EXPECT_EQ(setting->kind == SettingKind::kList, control.kind == ControlKind::kDropDownList);
        // Its row's label reads as the schema says.
        const auto label = std::find_if(
            kSettingsDialog.controls.begin(), kSettingsDialog.controls.end(),
            [&](const ControlTemplate& c) {
                return (c.styles & kSunken) != 0 && std::abs(c.rect.y - control.rect.y) <= 1 &&
                       c.caption.starts_with(setting->label) && FindSetting(c.key) != nullptr;
            });
        EXPECT_NE(label, kSettingsDialog.controls.end()) << control.name;
    }
    EXPECT_EQ(shown.size(), kSettings.size());
}

TEST(SettingsSchemaTest, TheSwitchesDecideWhatMatters) {
    auto relevant = [](const SettingsRecord& record) {
        std::set<std::string_view> keys;
        for (const Relevance& r : DependentSettings(record)) {
            if (r.relevant) {
                keys.insert(r.setting->key);
            }
        }
        return keys;
    };
    SettingsRecord record = FactoryDefaults();  // DST on and automatic, no speed event
    EXPECT_EQ(relevant(record), (std::set<std::string_view>{"dst-mode"}));
    record.SetByte(fields::kDstMode, 1);  // by hand
    record.SetByte(fields::kSpeedLimitEvent, 1);
    EXPECT_EQ(relevant(record),
              (std::set<std::string_view>{"dst-mode", "dst-start-week", "dst-start-month",
                                          "dst-stop-week", "dst-stop-month", "speed-limit"}));
    record.SetByte(fields::kDst, 1);  // off: the mode and the dates no longer matter
    EXPECT_EQ(relevant(record), (std::set<std::string_view>{"speed-limit"}));
}

}  // namespace
}  // namespace vesko
