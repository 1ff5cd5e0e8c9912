#include <gtest/gtest.h>

#include <set>

#include "dialog/accessible_names.h"
#include "dialog/control_ids.h"
#include "dialog/dialog_template.h"

namespace vesko {
namespace {

TEST(DialogTemplateTest, SixtyControlsInTemplateOrder) {
    const auto& controls = kSettingsDialog.controls;
    ASSERT_EQ(controls.size(), 60u);
    EXPECT_EQ(controls[0].id, IDOK);
    EXPECT_EQ(controls[1].id, IDCANCEL);
    EXPECT_EQ(controls[2].id, IDC_VIDEO_RESOLUTION);
    EXPECT_EQ(controls[11].id, IDC_VEHICLE_NUMBER);
    EXPECT_EQ(controls[28].id, IDC_WIFI_PASSWORD_LABEL);
    EXPECT_EQ(controls[59].id, IDC_DEFAULT_SET);
    EXPECT_EQ(FirstTabStop(kSettingsDialog), IDOK);
    EXPECT_EQ(kSettingsDialog.width, 267);
    EXPECT_EQ(kSettingsDialog.height, 362);
}

TEST(DialogTemplateTest, IdentifiersAreUniqueAndNamed) {
    std::set<int> ids;
    std::set<std::string_view> names;
    int labels_without_id = 0;
    for (const ControlTemplate& control : kSettingsDialog.controls) {
        if (control.id == IDC_STATIC) {
            ++labels_without_id;
            EXPECT_EQ(control.kind, ControlKind::kLabel);
            continue;
        }
        EXPECT_TRUE(ids.insert(control.id).second) << control.name;
        EXPECT_TRUE(names.insert(control.name).second) << control.name;
    }
    EXPECT_EQ(ids.size(), 41u);
    EXPECT_EQ(labels_without_id, 19);
}

TEST(DialogTemplateTest, SettingLabelsAreRightAlignedSunkenAndEndInASpace) {
    for (const ControlTemplate& control : kSettingsDialog.controls) {
        if ((control.styles & kSunken) != 0) {
            EXPECT_EQ(control.kind, ControlKind::kLabel);
            EXPECT_NE(control.styles & kRightAligned, 0u);
            ASSERT_FALSE(control.caption.empty());
            EXPECT_EQ(control.caption.back(), u' ');
        }
    }
}

TEST(DialogTemplateTest, EveryComboIsBoundToItsValueTable) {
    int combos = 0;
    for (const ControlTemplate& control : kSettingsDialog.controls) {
        if (control.kind == ControlKind::kDropDownList) {
            ++combos;
            EXPECT_NE(FindComboBinding(control.id), nullptr) << control.name;
        }
    }
    EXPECT_EQ(combos, 19);
    EXPECT_EQ(kComboBindings.size(), 19u);
    EXPECT_EQ(FindComboBinding(IDC_AUDIO)->table, &tables::kOnOff);
    EXPECT_EQ(FindComboBinding(IDC_DST)->field.offset, 9u);
    EXPECT_EQ(FindComboBinding(IDC_DST_STOP_MONTH)->table, &tables::kMonth);
    EXPECT_EQ(FindComboBinding(IDC_DST_STOP_MONTH)->field.offset, 14u);
    EXPECT_EQ(FindComboBinding(IDC_SPEED_LIMIT_EVENT)->table, &tables::kSwitch);
    EXPECT_EQ(FindComboBinding(IDC_SPEED_LIMIT_EVENT)->field.offset, 18u);
    EXPECT_EQ(FindControl(kSettingsDialog, IDC_RECORDING_TIME)->kind, ControlKind::kDropDownList);
}

TEST(DialogTemplateTest, EditLimits) {
    ASSERT_EQ(kEditLimits.size(), 4u);
    EXPECT_EQ(kEditLimits[0].control, IDC_VEHICLE_NUMBER);
    EXPECT_EQ(kEditLimits[0].max_chars, 15);
    EXPECT_EQ(kEditLimits[1].control, IDC_WIFI_PASSWORD);
    EXPECT_EQ(kEditLimits[1].max_chars, 20);
    EXPECT_EQ(kEditLimits[2].control, IDC_WIFI_SSID);
    EXPECT_EQ(kEditLimits[2].max_chars, 20);
    EXPECT_EQ(kEditLimits[3].control, IDC_SPEED_LIMIT);
    EXPECT_EQ(kEditLimits[3].max_chars, 3);
}

// Each input is announced by its own row's label; the rest by their captions.
TEST(DialogTemplateTest, EveryInputHasAnAccessibleNameOfItsOwn) {
    std::set<std::u16string> names;
    for (const ControlTemplate& control : kSettingsDialog.controls) {
        const std::u16string name = AccessibleName(kSettingsDialog, control);
        if (control.kind == ControlKind::kDropDownList || control.kind == ControlKind::kEdit) {
            EXPECT_TRUE(names.insert(name).second) << control.name << " shares its name";
            EXPECT_FALSE(name.empty() || name.back() == u' ') << control.name;
        } else {
            EXPECT_EQ(name, u"") << control.name;
        }
    }
    EXPECT_EQ(names.size(), 26u);
    const auto name_of = [](int id) {
        return AccessibleName(kSettingsDialog, *FindControl(kSettingsDialog, id));
    };
    const auto description_of = [](int id) {
        return AccessibleDescription(kSettingsDialog, *FindControl(kSettingsDialog, id));
    };
    EXPECT_EQ(name_of(IDC_RECORDING_TIME), u"Recording Time Per File");
    EXPECT_EQ(name_of(IDC_DST_STOP_MONTH), u"DST Stop month");
    EXPECT_EQ(name_of(IDC_SPEED_LIMIT), u"Speed Limit");
    EXPECT_EQ(name_of(IDC_TIME), u"Time Setting");
    EXPECT_EQ(name_of(IDC_FIRMWARE_VERSION), u"Firmware Version");
    EXPECT_EQ(description_of(IDC_SPEED_LIMIT), u"MPH (0-255)");
    EXPECT_EQ(description_of(IDC_WIFI_SSID), u"default:QEM-T");
    EXPECT_EQ(description_of(IDC_DST_START_MONTH), u"") << "\"Sunday in\" stands before it";
    EXPECT_EQ(description_of(IDC_AUDIO), u"");
}

}  // namespace
}  // namespace vesko
