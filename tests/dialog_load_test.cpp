#include <gtest/gtest.h>

#include <vector>

#include "dialog/control_ids.h"
#include "fake_dialog_view.h"
#include "settings/defaults.h"
#include "temp_folder.h"

namespace vesko {
namespace {

using testing::OpenedDialog;
using testing::TempFolder;

void WriteRecordFile(const SettingsRecord& record) {
    testing::WriteConfigBytes({record.bytes().begin(), record.bytes().end()});
}

SettingsRecord RecordWithVersion(std::string_view version) {
    SettingsRecord record = FactoryDefaults();
    for (std::size_t i = 0; i < version.size(); ++i) {
        record.bytes()[fields::kFirmwareVersion.offset + i] = static_cast<std::uint8_t>(version[i]);
    }
    return record;
}

constexpr int kDstDateControls[] = {
    IDC_DST_START_WEEK,  IDC_DST_START_MONTH,  IDC_DST_STOP_WEEK,  IDC_DST_STOP_MONTH,
    IDC_DST_START_LABEL, IDC_DST_START_SUNDAY, IDC_DST_STOP_LABEL, IDC_DST_STOP_SUNDAY,
};
constexpr int kWifiControls[] = {IDC_WIFI_SSID_LABEL,   IDC_WIFI_SSID,
                                 IDC_WIFI_SSID_DEFAULT, IDC_WIFI_PASSWORD_LABEL,
                                 IDC_WIFI_PASSWORD,     IDC_WIFI_PASSWORD_DEFAULT};

TEST(DialogLoadTest, NoFileShowsTheFactoryDefaults) {
    TempFolder folder;
    OpenedDialog d;
    const auto& v = d.view;
    const std::vector<std::pair<int, std::u16string>> shown = {
        {IDC_VIDEO_RESOLUTION, u"720P(30fps)"},
        {IDC_RECORDING_TIME, u"1 minute"},
        {IDC_RECORDING_MODE, u"Normal"},
        {IDC_PARKING_MODE, u"OFF"},
        {IDC_GSENSOR_X, u"level 5(1.0g)"},
        {IDC_GSENSOR_Y, u"level 5(1.0g)"},
        {IDC_GSENSOR_Z, u"level 7(2.2g)"},
        {IDC_AUDIO, u"OFF"},
        {IDC_TIME_ZONE, u"GMT -5:00 EST"},
        {IDC_DST, u"ON"},
        {IDC_DST_MODE, u"Auto"},
        {IDC_DST_START_WEEK, u"2nd"},
        {IDC_DST_START_MONTH, u"Mar"},
        {IDC_DST_STOP_WEEK, u"1st"},
        {IDC_DST_STOP_MONTH, u"Nov"},
        {IDC_DATE_STAMP, u"ON"},
        {IDC_VEHICLE_NUMBER_STAMP, u"ON"},
        {IDC_SPEED_STAMP, u"ON"},
        {IDC_SPEED_LIMIT_EVENT, u"OFF"},
    };
    for (const auto& [id, entry] : shown) {
        EXPECT_EQ(v.SelectedEntry(id), entry) << id;
    }
    EXPECT_EQ(v.GetText(IDC_SPEED_LIMIT), u"60");
    EXPECT_EQ(v.GetText(IDC_VEHICLE_NUMBER), u"");
    EXPECT_EQ(v.GetText(IDC_WIFI_PASSWORD), u"58031946");
    EXPECT_EQ(v.GetText(IDC_WIFI_SSID), u"QEM-T");
    EXPECT_EQ(v.GetText(IDC_FIRMWARE_VERSION), u"");
    EXPECT_EQ(v.GetText(IDC_DATE), u"2026-12-07");
    EXPECT_EQ(v.GetText(IDC_TIME), u"09:05:03");
    EXPECT_EQ(v.caption(), u"Quorla Configuration");
    EXPECT_EQ(v.focus(), IDOK);
    EXPECT_TRUE(v.messages.empty());

    std::vector<int> disabled;
    for (const ControlTemplate& control : kSettingsDialog.controls) {
        if (control.id != IDC_STATIC && !v.control(control.id).enabled) {
            disabled.push_back(control.id);
        }
    }
    std::vector<int> expected(std::begin(kDstDateControls), std::end(kDstDateControls));
    expected.push_back(IDC_SPEED_LIMIT);
    expected.push_back(IDC_SPEED_LIMIT_UNIT);
    std::sort(disabled.begin(), disabled.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(disabled, expected);

    // The selections reach the record; the texts wait for a save.
    SettingsRecord expected_record = FactoryDefaults();
    for (const Field f :
         {fields::kSpeedLimit, fields::kVehicleNumber, fields::kWifiPassword, fields::kWifiSsid}) {
        expected_record.Clear(f);
    }
    EXPECT_EQ(d.dialog.record(), expected_record);

    EXPECT_EQ(v.control(IDC_VEHICLE_NUMBER).limit, 15);
    EXPECT_EQ(v.control(IDC_WIFI_PASSWORD).limit, 20);
    EXPECT_EQ(v.control(IDC_WIFI_SSID).limit, 20);
    EXPECT_EQ(v.control(IDC_SPEED_LIMIT).limit, 3);
}

TEST(DialogLoadTest, WifiLocksForFirmwareDv301AndDv302Only) {
    const std::vector<std::pair<std::string_view, bool>> cases = {
        {"DV301", true}, {"DV302-1.04", true}, {"DV303", false},
        {"DV30", false}, {"XV301", false},     {"", false},
    };
    for (const auto& [version, locked] : cases) {
        TempFolder folder;
        WriteRecordFile(RecordWithVersion(version));
        OpenedDialog d;
        for (const int id : kWifiControls) {
            EXPECT_EQ(d.view.control(id).enabled, !locked) << version << " control " << id;
        }
        EXPECT_EQ(d.view.GetText(IDC_FIRMWARE_VERSION),
                  std::u16string(version.begin(), version.end()));
        // Locked fields still show their texts.
        EXPECT_EQ(d.view.GetText(IDC_WIFI_SSID), u"QEM-T");
    }
}

TEST(DialogLoadTest, DstAndSpeedControlsFollowTheStoredSwitches) {
    TempFolder folder;
    SettingsRecord record = FactoryDefaults();
    record.SetByte(fields::kDst, 1);
    record.SetByte(fields::kDstMode, 1);
    record.SetByte(fields::kSpeedLimitEvent, 0);
    record.SetByte(fields::kSpeedLimit, 255);
    WriteRecordFile(record);
    {
        OpenedDialog d;
        EXPECT_FALSE(d.view.control(IDC_DST_MODE).enabled);
        EXPECT_FALSE(d.view.control(IDC_DST_MODE_LABEL).enabled);
        for (const int id : kDstDateControls) {
            EXPECT_FALSE(d.view.control(id).enabled) << id;
        }
        EXPECT_EQ(d.view.GetText(IDC_SPEED_LIMIT), u"255");
        EXPECT_FALSE(d.view.control(IDC_SPEED_LIMIT).enabled);
        EXPECT_FALSE(d.view.control(IDC_SPEED_LIMIT_UNIT).enabled);
    }

    record.SetByte(fields::kDst, 0);
    record.SetByte(fields::kDstStartWeek, 4);
    record.SetByte(fields::kDstStartMonth, 10);
    record.SetByte(fields::kSpeedLimitEvent, 1);
    WriteRecordFile(record);
    OpenedDialog d;
    for (const ControlTemplate& control : kSettingsDialog.controls) {
        if (control.id != IDC_STATIC) {
            EXPECT_TRUE(d.view.control(control.id).enabled) << control.name;
        }
    }
    EXPECT_EQ(d.view.SelectedEntry(IDC_DST_START_WEEK), u"4th");
    EXPECT_EQ(d.view.SelectedEntry(IDC_DST_START_MONTH), u"Oct");
}

TEST(DialogLoadTest, FileOfZeroBytes) {
    TempFolder folder;
    WriteRecordFile(SettingsRecord());
    OpenedDialog d;
    EXPECT_EQ(d.view.SelectedEntry(IDC_VIDEO_RESOLUTION), u"1080P(30fps)");
    EXPECT_EQ(d.view.SelectedEntry(IDC_AUDIO), u"ON");
    EXPECT_EQ(d.view.SelectedEntry(IDC_DST), u"ON");
    EXPECT_EQ(d.view.SelectedEntry(IDC_DST_MODE), u"Auto");
    EXPECT_EQ(d.view.SelectedEntry(IDC_TIME_ZONE), u"GMT -12:00");
    for (const int id :
         {IDC_DST_START_WEEK, IDC_DST_START_MONTH, IDC_DST_STOP_WEEK, IDC_DST_STOP_MONTH}) {
        EXPECT_EQ(d.view.GetSelection(id), -1);
    }
    EXPECT_EQ(d.view.GetText(IDC_SPEED_LIMIT), u"0");
    EXPECT_EQ(d.view.GetText(IDC_VEHICLE_NUMBER), u"");
    EXPECT_EQ(d.dialog.record(), SettingsRecord()) << "weeks and months stay 0";
}

TEST(DialogLoadTest, UnknownValuesShowNoEntryAndStayInTheRecord) {
    TempFolder folder;
    SettingsRecord record = FactoryDefaults();
    record.SetByte(fields::kVideoResolution, 7);  // a newer recorder's resolution
    record.SetByte(fields::kDstStopMonth, 13);
    record.SetByte(fields::kDstStartWeek, 0);
    WriteRecordFile(record);
    OpenedDialog d;
    EXPECT_EQ(d.view.GetSelection(IDC_VIDEO_RESOLUTION), -1);
    EXPECT_EQ(d.view.GetSelection(IDC_DST_STOP_MONTH), -1);
    EXPECT_EQ(d.view.GetSelection(IDC_DST_START_WEEK), -1);
    EXPECT_EQ(d.dialog.record().Byte(fields::kVideoResolution), 7);
    EXPECT_EQ(d.dialog.record().Byte(fields::kDstStopMonth), 13);
    EXPECT_EQ(d.dialog.record().Byte(fields::kDstStartWeek), 0);

    d.view.Choose(IDC_VIDEO_RESOLUTION, 1);
    EXPECT_EQ(d.dialog.record().Byte(fields::kVideoResolution), 1);
}

TEST(DialogLoadTest, StoredTextLosesOffendingEndCharactersOneMessageEach) {
    TempFolder folder;
    SettingsRecord record = FactoryDefaults();
    const std::uint8_t vehicle[] = {'A', 0xE9, 'B', 0x01, 0xE9};
    for (std::size_t i = 0; i < sizeof vehicle; ++i) {
        record.bytes()[fields::kVehicleNumber.offset + i] = vehicle[i];
    }
    WriteRecordFile(record);
    OpenedDialog d;
    EXPECT_EQ(d.view.GetText(IDC_VEHICLE_NUMBER), u"A\u00E9B") << "characters inside stay";
    ASSERT_EQ(d.view.messages.size(), 2u);
    for (const auto& message : d.view.messages) {
        EXPECT_EQ(message.text, u"Please enter 0-9,'_',a-z,A-Z.");
        EXPECT_EQ(message.caption, u"Error");
        EXPECT_EQ(message.icon, MessageIcon::kError);
        EXPECT_EQ(message.buttons, MessageButtons::kOk);
    }
    EXPECT_EQ(d.view.focus(), IDOK) << "the window opens on its first tab stop all the same";
}

}  // namespace
}  // namespace vesko
