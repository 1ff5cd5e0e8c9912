// The entries of every selectable setting, in stored-value order.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vesko {

struct ValueTable {
    std::span<const std::u16string_view> entries;
    // The stored value of the first entry: 0, or 1 for the 1-based weeks and months.
    std::uint8_t first_value;
    // Whether translators get the entries: not for values and units the recorder shows on its
    // own screen ("level 3(0.6g)"). A word such a list shares with others ("OFF") is shown
    // translated all the same, as it is everywhere else.
    bool words = true;
};

namespace tables {
extern const ValueTable kResolution;     // R
extern const ValueTable kRecordingTime;  // T
extern const ValueTable kRecordingMode;  // M
extern const ValueTable kParkingMode;    // P
extern const ValueTable kGSensor;        // G
extern const ValueTable kOnOff;          // A: 0 = "ON", audio and daylight saving
extern const ValueTable kTimeZone;       // Z
extern const ValueTable kDstMode;        // D
extern const ValueTable kWeek;           // W, stored 1 to 4
extern const ValueTable kMonth;          // N, stored 1 to 12
extern const ValueTable kSwitch;         // S: 0 = "OFF"
}  // namespace tables

}  // namespace vesko
