#include "settings/defaults.h"

namespace vesko {

namespace {

SettingsRecord MakeDefaults() {
    using namespace fields;
    SettingsRecord record;
    record.SetByte(kVideoResolution, 2);  // "720P(30fps)"
    record.SetByte(kRecordingTime, 0);
    record.SetByte(kRecordingMode, 0);
    record.SetByte(kParkingMode, 0);
    record.SetByte(kGSensorX, 5);
    record.SetByte(kGSensorY, 5);
    record.SetByte(kGSensorZ, 7);
    record.SetByte(kAudio, 1);     // off
    record.SetByte(kTimeZone, 7);  // "GMT -5:00 EST"
    record.SetByte(kDst, 0);       // on
    record.SetByte(kDstMode, 0);   // "Auto"
    record.SetByte(kDstStartWeek, 2);
    record.SetByte(kDstStartMonth, 3);
    record.SetByte(kDstStopWeek, 1);
    record.SetByte(kDstStopMonth, 11);
    record.SetByte(kDateStamp, 1);
    record.SetByte(kVehicleNumberStamp, 1);
    record.SetByte(kSpeedStamp, 1);
    record.SetByte(kSpeedLimitEvent, 0);
    record.SetByte(kSpeedLimit, 60);
    record.SetText(kVehicleNumber, u"");
    record.SetText(kWifiPassword, u"58031946");
    record.SetText(kWifiSsid, u"QEM-T");
    return record;
}

}  // namespace

const SettingsRecord& FactoryDefaults() {
    static const SettingsRecord defaults = MakeDefaults();
    return defaults;
}

}  // namespace vesko
