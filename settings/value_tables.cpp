#include "settings/value_tables.h"

#include <array>

namespace vesko::tables {

namespace {

using namespace std::string_view_literals;

constexpr std::array kResolutionEntries = {u"1080P(30fps)"sv, u"720P(60fps)"sv, u"720P(30fps)"sv};
constexpr std::array kRecordingTimeEntries = {u"1 minute"sv};
constexpr std::array kRecordingModeEntries = {u"Normal"sv, u"Event Only"sv};
constexpr std::array kParkingModeEntries = {u"OFF"sv, u"1 hour"sv, u"2 hours"sv, u"3 hours"sv};
constexpr std::array kGSensorEntries = {
    u"OFF"sv,           u"level 1(0.1g)"sv, u"level 2(0.4g)"sv, u"level 3(0.6g)"sv,
    u"level 4(0.8g)"sv, u"level 5(1.0g)"sv, u"level 6(1.4g)"sv, u"level 7(2.2g)"sv,
    u"level 8(3.0g)"sv, u"level 9(4.0g)"sv,
};
constexpr std::array kOnOffEntries = {u"ON"sv, u"OFF"sv};
constexpr std::array kTimeZoneEntries = {
    u"GMT -12:00"sv,    u"GMT -11:00"sv,    u"GMT -10:00 HST"sv, u"GMT -9:00 AKST"sv,
    u"GMT -8:00 PST"sv, u"GMT -7:00 MST"sv, u"GMT -6:00 CST"sv,  u"GMT -5:00 EST"sv,
    u"GMT -4:00"sv,     u"GMT -3:00"sv,     u"GMT -2:00"sv,      u"GMT -1:00"sv,
    u"GMT"sv,           u"GMT +1:00"sv,     u"GMT +2:00"sv,      u"GMT +3:00"sv,
    u"GMT +4:00"sv,     u"GMT +5:00"sv,     u"GMT +6:00"sv,      u"GMT +7:00"sv,
    u"GMT +8:00"sv,     u"GMT +9:00"sv,     u"GMT +10:00"sv,     u"GMT +11:00"sv,
    u"GMT +12:00"sv,
};
constexpr std::array kDstModeEntries = {u"Auto"sv, u"Manual"sv};
constexpr std::array kWeekEntries = {u"1st"sv, u"2nd"sv, u"3rd"sv, u"4th"sv};
constexpr std::array kMonthEntries = {
    u"Jan"sv, u"Feb"sv, u"Mar"sv, u"Apr"sv, u"May"sv, u"Jun"sv,
    u"Jul"sv, u"Aug"sv, u"Sep"sv, u"Oct"sv, u"Nov"sv, u"Dec"sv,
};
constexpr std::array kSwitchEntries = {u"OFF"sv, u"ON"sv};

}  // namespace

constinit const ValueTable kResolution{kResolutionEntries, 0, false};
constinit const ValueTable kRecordingTime{kRecordingTimeEntries, 0};
constinit const ValueTable kRecordingMode{kRecordingModeEntries, 0};
constinit const ValueTable kParkingMode{kParkingModeEntries, 0};
constinit const ValueTable kGSensor{kGSensorEntries, 0, false};
constinit const ValueTable kOnOff{kOnOffEntries, 0};
constinit const ValueTable kTimeZone{kTimeZoneEntries, 0, false};
constinit const ValueTable kDstMode{kDstModeEntries, 0};
constinit const ValueTable kWeek{kWeekEntries, 1};
constinit const ValueTable kMonth{kMonthEntries, 1};
constinit const ValueTable kSwitch{kSwitchEntries, 0};

}  // namespace vesko::tables
