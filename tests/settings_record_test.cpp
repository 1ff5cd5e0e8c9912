#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "settings/defaults.h"
#include "settings/settings_record.h"
#include "settings/text_conversion.h"
#include "settings/time_text.h"
#include "settings/value_tables.h"

namespace vesko {
namespace {

TEST(SettingsRecordTest, FieldsTileTheRecordInFileOrder) {
    using namespace fields;
    const std::vector<Field> in_file_order = {
        kVideoResolution, kRecordingTime,      kRecordingMode, kParkingMode,     kGSensorX,
        kGSensorY,        kGSensorZ,           kAudio,         kTimeZone,        kDst,
        kDstMode,         kDstStartWeek,       kDstStartMonth, kDstStopWeek,     kDstStopMonth,
        kDateStamp,       kVehicleNumberStamp, kSpeedStamp,    kSpeedLimitEvent, kSpeedLimit,
        kVehicleNumber,   kWifiPassword,       kWifiSsid,      kFormatSdCard,    kFirmwareVersion,
        kReserved1,       kSaveYear,           kSaveMonth,     kSaveDay,         kSaveHour,
        kSaveMinute,      kSaveSecond,         kReserved2,
    };
    std::size_t next = 0;
    for (const Field& field : in_file_order) {
        EXPECT_EQ(field.offset, next);
        next = field.offset + field.size;
    }
    EXPECT_EQ(next, SettingsRecord::kSize);
    EXPECT_EQ(kVehicleNumber.size, 15u);
    EXPECT_EQ(kWifiPassword.size, 20u);
    EXPECT_EQ(kWifiSsid.size, 20u);
    EXPECT_EQ(kFirmwareVersion.size, 20u);
}

TEST(SettingsRecordTest, WordsAreLittleEndian) {
    SettingsRecord record;
    record.SetWord(fields::kSaveYear, 2017);  // 0x07E1
    EXPECT_EQ(record.bytes()[100], 0xE1);
    EXPECT_EQ(record.bytes()[101], 0x07);

    record.bytes()[110] = 0x3B;
    record.bytes()[111] = 0x01;
    EXPECT_EQ(record.Word(fields::kSaveSecond), 0x013B);
}

TEST(TextConversionTest, FullFieldHasNoTerminatorAndStaysInside) {
    SettingsRecord record;
    record.SetText(fields::kWifiPassword, u"PASSWORD");
    record.SetText(fields::kVehicleNumber, u"ABCDEFGHIJKLMNO");
    for (std::size_t i = 20; i < 35; ++i) {
        EXPECT_NE(record.bytes()[i], 0) << "byte " << i;
    }
    EXPECT_EQ(record.bytes()[35], 'P');
    EXPECT_EQ(record.Text(fields::kVehicleNumber), u"ABCDEFGHIJKLMNO");
}

TEST(TextConversionTest, BytesAreCodeUnitsOfTheSameValue) {
    SettingsRecord record;
    record.bytes()[20] = 'c';
    record.bytes()[21] = 0xE9;
    record.bytes()[22] = 0;
    record.bytes()[23] = 'x';  // after the end of the text
    EXPECT_EQ(record.Text(fields::kVehicleNumber), u"c\u00E9");

    record.SetText(fields::kVehicleNumber, u"\u00E9A");
    EXPECT_EQ(record.bytes()[20], 0xE9);
    EXPECT_EQ(record.bytes()[21], 'A');
    EXPECT_EQ(record.bytes()[23], 0) << "setting a text clears the whole field";
}

TEST(TextConversionTest, FirmwareVersionReadsAsWindows1252) {
    const std::array<std::uint8_t, 6> bytes = {'V', 0x80, 0xE9, 0x8D, 0, 'Z'};
    EXPECT_EQ(FirmwareVersionText(bytes), u"V\u20AC\u00E9\u008D");

    std::array<std::uint8_t, 20> full{};
    full.fill('7');
    EXPECT_EQ(FirmwareVersionText(full).size(), 20u);
}

TEST(TextConversionTest, SystemTextsDecodeFromUtf8) {
    EXPECT_EQ(FromUtf8("No space left on device"), u"No space left on device");
    EXPECT_EQ(FromUtf8("Aucun espace disponible sur le p\xC3\xA9riph\xC3\xA9rique"),
              u"Aucun espace disponible sur le p\u00E9riph\u00E9rique");
    EXPECT_EQ(FromUtf8("\xE2\x82\xAC \xF0\x9F\x98\x80"), u"\u20AC \U0001F600");
    EXPECT_EQ(FromUtf8("\xC1\x81Z"), u"\uFFFDZ") << "never another character";
}

// Overlong forms, stray and missing continuation bytes, encoded surrogates.
TEST(TextConversionTest, TypedTextMustBeValidUtf8) {
    for (const char* bad : {"\xC1\x81", "\x81Z", "\xC1\x8FN", "\xE2\x82", "\xED\xA0\x80",
                            "\xF4\x90\x80\x80", "\xE0\x80\xAF"}) {
        EXPECT_FALSE(DecodeUtf8(bad)) << bad;
    }
    EXPECT_EQ(DecodeUtf8("A\xC3\xA9\xF0\x9F\x98\x80"), u"A\u00E9\U0001F600");
}

TEST(TimeTextTest, WrittenAsPrintfWritesThem) {
    EXPECT_EQ(DateText({2017, 4, 21, 9, 5, 7}), u"2017-04-21");
    EXPECT_EQ(TimeText({2017, 4, 21, 9, 5, 7}), u"09:05:07");
    EXPECT_EQ(DateText({999, 12, 255, 0, 0, 0}), u" 999-12-255");
    EXPECT_EQ(TimeText({0, 0, 0, -3, 0, 60}), u"-03:00:60");
}

TEST(DefaultsTest, StoredValuesOfTheFactorySettings) {
    const SettingsRecord& d = FactoryDefaults();
    const std::array<std::uint8_t, 20> expected = {2, 0, 0, 0, 5,  5, 7, 1, 7, 0,
                                                   0, 2, 3, 1, 11, 1, 1, 1, 0, 60};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(d.bytes()[i], expected[i]) << "byte " << i;
    }
    EXPECT_EQ(d.Text(fields::kVehicleNumber), u"");
    EXPECT_EQ(d.Text(fields::kWifiPassword), u"58031946");
    EXPECT_EQ(d.Text(fields::kWifiSsid), u"QEM-T");
}

TEST(ValueTablesTest, EntriesInStoredOrder) {
    EXPECT_EQ(tables::kOnOff.entries[0], u"ON");
    EXPECT_EQ(tables::kSwitch.entries[0], u"OFF");
    ASSERT_EQ(tables::kTimeZone.entries.size(), 25u);
    EXPECT_EQ(tables::kTimeZone.entries[13], u"GMT +1:00");
    EXPECT_EQ(tables::kGSensor.entries.size(), 10u);
    EXPECT_EQ(tables::kMonth.entries.size(), 12u);
    EXPECT_EQ(tables::kMonth.first_value, 1);
    EXPECT_EQ(tables::kWeek.first_value, 1);
    EXPECT_EQ(tables::kResolution.first_value, 0);
}

}  // namespace
}  // namespace vesko
