// The 128-byte settings image shared with the recorder: byte for byte the content of config.bin.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vesko {

// A run of bytes inside the record.
struct Field {
    std::size_t offset;
    std::size_t size;
};

namespace fields {
inline constexpr Field kVideoResolution{0, 1};
inline constexpr Field kRecordingTime{1, 1};
inline constexpr Field kRecordingMode{2, 1};
inline constexpr Field kParkingMode{3, 1};
inline constexpr Field kGSensorX{4, 1};
inline constexpr Field kGSensorY{5, 1};
inline constexpr Field kGSensorZ{6, 1};
inline constexpr Field kAudio{7, 1};  // 0 = on, 1 = off
inline constexpr Field kTimeZone{8, 1};
inline constexpr Field kDst{9, 1};  // 0 = on, 1 = off
inline constexpr Field kDstMode{10, 1};
inline constexpr Field kDstStartWeek{11, 1};  // 1-based
inline constexpr Field kDstStartMonth{12, 1};
inline constexpr Field kDstStopWeek{13, 1};
inline constexpr Field kDstStopMonth{14, 1};
inline constexpr Field kDateStamp{15, 1};  // 0 = off, 1 = on
inline constexpr Field kVehicleNumberStamp{16, 1};
inline constexpr Field kSpeedStamp{17, 1};
inline constexpr Field kSpeedLimitEvent{18, 1};
inline constexpr Field kSpeedLimit{19, 1};
inline constexpr Field kVehicleNumber{20, 15};
inline constexpr Field kWifiPassword{35, 20};
inline constexpr Field kWifiSsid{55, 20};
inline constexpr Field kFormatSdCard{75, 1};
inline constexpr Field kFirmwareVersion{76, 20};
inline constexpr Field kReserved1{96, 4};
inline constexpr Field kSaveYear{100, 2};
inline constexpr Field kSaveMonth{102, 2};
inline constexpr Field kSaveDay{104, 2};
inline constexpr Field kSaveHour{106, 2};
inline constexpr Field kSaveMinute{108, 2};
inline constexpr Field kSaveSecond{110, 2};
inline constexpr Field kReserved2{112, 16};
// The six words of the save time, together.
inline constexpr Field kSaveTime{kSaveYear.offset,
                                 kSaveSecond.offset + kSaveSecond.size - kSaveYear.offset};
}  // namespace fields

class SettingsRecord {
public:
    static constexpr std::size_t kSize = 128;
    using Bytes = std::array<std::uint8_t, kSize>;

    SettingsRecord() = default;  // all zero
    explicit SettingsRecord(const Bytes& bytes) : bytes_(bytes) {}

    const Bytes& bytes() const { return bytes_; }
    Bytes& bytes() { return bytes_; }

    std::uint8_t Byte(Field field) const;
    void SetByte(Field field, std::uint8_t value);

    // Two-byte fields, little-endian whatever the host.
    std::uint16_t Word(Field field) const;
    void SetWord(Field field, std::uint16_t value);

    std::span<const std::uint8_t> View(Field field) const;

    // Text fields: one byte per character, zero-padded, no terminator when full.
    std::u16string Text(Field field) const;
    void SetText(Field field, std::u16string_view text);

    void Clear(Field field);

    friend bool operator==(const SettingsRecord&, const SettingsRecord&) = default;

private:
    Bytes bytes_{};
};

}  // namespace vesko
