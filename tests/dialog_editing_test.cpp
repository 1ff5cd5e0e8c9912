#include <gtest/gtest.h>

#include "dialog/control_ids.h"
#include "fake_dialog_view.h"
#include "temp_folder.h"

namespace vesko {
namespace {

using testing::OpenedDialog;
using testing::TempFolder;

class DialogEditingTest : public ::testing::Test {
protected:
    TempFolder folder;  // no config.bin: the defaults
    OpenedDialog d;

    bool Enabled(int id) const { return d.view.control(id).enabled; }
};

TEST_F(DialogEditingTest, EverySelectionReachesItsByteAtOnce) {
    for (const ComboBinding& binding : kComboBindings) {
        const int last = static_cast<int>(binding.table->entries.size()) - 1;
        if (!Enabled(binding.control)) {
            continue;  // the dependent lists are checked below, once enabled
        }
        d.view.Choose(binding.control, last);
        EXPECT_EQ(d.dialog.record().Byte(binding.field), last + binding.table->first_value)
            << binding.control;
    }
    d.view.Choose(IDC_TIME_ZONE, 13);  // "GMT +1:00"
    EXPECT_EQ(d.dialog.record().Byte(fields::kTimeZone), 13);
    d.view.Choose(IDC_DST, 0);
    d.view.Choose(IDC_DST_MODE, 1);
    d.view.Choose(IDC_DST_START_MONTH, 2);  // "Mar"
    EXPECT_EQ(d.dialog.record().Byte(fields::kDstStartMonth), 3);
    d.view.Choose(IDC_DST_STOP_WEEK, 3);  // "4th"
    EXPECT_EQ(d.dialog.record().Byte(fields::kDstStopWeek), 4);
}

TEST_F(DialogEditingTest, DaylightSavingSwitchesItsControls) {
    constexpr int kDates[] = {IDC_DST_START_WEEK, IDC_DST_START_MONTH, IDC_DST_STOP_WEEK,
                              IDC_DST_STOP_MONTH, IDC_DST_START_LABEL, IDC_DST_START_SUNDAY,
                              IDC_DST_STOP_LABEL, IDC_DST_STOP_SUNDAY};
    const auto dates_enabled = [&](bool expected) {
        for (const int id : kDates) {
            EXPECT_EQ(Enabled(id), expected) << id;
        }
    };
    d.view.Choose(IDC_DST_MODE, 1);  // "Manual"
    dates_enabled(true);

    d.view.Choose(IDC_DST, 1);  // "OFF"
    EXPECT_EQ(d.dialog.record().Byte(fields::kDst), 1);
    EXPECT_FALSE(Enabled(IDC_DST_MODE));
    EXPECT_FALSE(Enabled(IDC_DST_MODE_LABEL));
    dates_enabled(false);

    d.view.Choose(IDC_DST, 0);  // back "ON", mode still "Manual"
    EXPECT_TRUE(Enabled(IDC_DST_MODE));
    EXPECT_TRUE(Enabled(IDC_DST_MODE_LABEL));
    dates_enabled(true);

    d.view.Choose(IDC_DST_MODE, 0);  // "Auto"
    dates_enabled(false);
    d.view.Choose(IDC_DST, 1);
    d.view.Choose(IDC_DST, 0);
    EXPECT_TRUE(Enabled(IDC_DST_MODE));
    EXPECT_TRUE(Enabled(IDC_DST_MODE_LABEL));
    dates_enabled(false);
}

TEST_F(DialogEditingTest, SpeedLimitEventSwitchesTheSpeedField) {
    EXPECT_FALSE(Enabled(IDC_SPEED_LIMIT));
    d.view.Choose(IDC_SPEED_LIMIT_EVENT, 1);
    EXPECT_EQ(d.dialog.record().Byte(fields::kSpeedLimitEvent), 1);
    EXPECT_TRUE(Enabled(IDC_SPEED_LIMIT));
    EXPECT_TRUE(Enabled(IDC_SPEED_LIMIT_UNIT));
    d.view.Choose(IDC_SPEED_LIMIT_EVENT, 0);
    EXPECT_FALSE(Enabled(IDC_SPEED_LIMIT));
    EXPECT_FALSE(Enabled(IDC_SPEED_LIMIT_UNIT));
    EXPECT_EQ(d.view.GetText(IDC_SPEED_LIMIT), u"60");
}

TEST_F(DialogEditingTest, TextRuleLooksAtTheLastCharacterOnly) {
    d.view.Type(IDC_VEHICLE_NUMBER, u"AB#");
    EXPECT_EQ(d.view.GetText(IDC_VEHICLE_NUMBER), u"AB#") << "printable ASCII passes";
    EXPECT_TRUE(d.view.messages.empty());

    d.view.SetFocus(IDOK);
    d.view.Type(IDC_VEHICLE_NUMBER, u"\u00E9");
    EXPECT_EQ(d.view.GetText(IDC_VEHICLE_NUMBER), u"AB#");
    ASSERT_EQ(d.view.messages.size(), 1u);
    EXPECT_EQ(d.view.messages[0].text, u"Please enter 0-9,'_',a-z,A-Z.");
    EXPECT_EQ(d.view.messages[0].caption, u"Error");
    EXPECT_EQ(d.view.messages[0].icon, MessageIcon::kError);
    EXPECT_EQ(d.view.focus(), IDC_VEHICLE_NUMBER);
    EXPECT_TRUE(d.view.control(IDC_VEHICLE_NUMBER).caret_at_end);

    d.view.Replace(IDC_WIFI_SSID, u"Q\u00E9M");  // a character in the middle is not examined
    EXPECT_EQ(d.view.GetText(IDC_WIFI_SSID), u"Q\u00E9M");
    d.view.Type(IDC_WIFI_SSID, u"\u0141");
    EXPECT_EQ(d.view.GetText(IDC_WIFI_SSID), u"Q\u00E9M");
    ASSERT_EQ(d.view.messages.size(), 2u);
    EXPECT_EQ(d.view.messages[1].text, u"Please enter 0-9, a-z, A-Z.");

    d.view.Type(IDC_WIFI_PASSWORD, u"\r");
    EXPECT_EQ(d.view.GetText(IDC_WIFI_PASSWORD), u"58031946\r") << "line breaks are accepted";
}

TEST_F(DialogEditingTest, TypingStopsAtTheLengthLimits) {
    d.view.Type(IDC_VEHICLE_NUMBER, u"ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(d.view.GetText(IDC_VEHICLE_NUMBER), u"ABCDEFGHIJKLMNO");
    d.view.Type(IDC_WIFI_SSID, u"-23456789012345678901234");
    EXPECT_EQ(d.view.GetText(IDC_WIFI_SSID).size(), 20u);
    EXPECT_TRUE(d.view.messages.empty());
}

TEST_F(DialogEditingTest, DigitRuleOnTheSpeedLimit) {
    d.view.Choose(IDC_SPEED_LIMIT_EVENT, 1);
    d.view.Replace(IDC_SPEED_LIMIT, u"");
    d.view.Type(IDC_SPEED_LIMIT, u"4x");
    EXPECT_EQ(d.view.GetText(IDC_SPEED_LIMIT), u"4");
    ASSERT_EQ(d.view.messages.size(), 1u);
    EXPECT_EQ(d.view.messages[0].text, u"Please enter 0-9.");
    EXPECT_EQ(d.view.messages[0].caption, u"Error");
    EXPECT_EQ(d.view.focus(), IDC_SPEED_LIMIT);

    d.view.Type(IDC_SPEED_LIMIT, u"56");
    EXPECT_EQ(d.view.GetText(IDC_SPEED_LIMIT), u"456") << "three digits pass the rule";
    EXPECT_EQ(d.view.messages.size(), 1u);
}

}  // namespace
}  // namespace vesko
