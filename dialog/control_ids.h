// Identifiers of the settings dialog's controls: the keys by which the logic addresses them.
#pragma once

namespace vesko {}  // namespace vesko

// <windows.h> defines the two standard command identifiers itself, with these values.
#ifndef IDOK
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
#endif

namespace vesko {

inline constexpr int IDD_SETTINGS_DIALOG = 102;

inline constexpr int IDC_VIDEO_RESOLUTION = 1006;
inline constexpr int IDC_RECORDING_TIME = 1007;
inline constexpr int IDC_RECORDING_MODE = 1010;
inline constexpr int IDC_PARKING_MODE = 1011;
inline constexpr int IDC_GSENSOR_X = 1012;
inline constexpr int IDC_GSENSOR_Y = 1013;
inline constexpr int IDC_GSENSOR_Z = 1014;
inline constexpr int IDC_AUDIO = 1015;
inline constexpr int IDC_TIME_ZONE = 1017;
inline constexpr int IDC_VEHICLE_NUMBER = 1018;
inline constexpr int IDC_WIFI_PASSWORD = 1019;
inline constexpr int IDC_DST = 1020;
inline constexpr int IDC_DST_MODE = 1021;
inline constexpr int IDC_DST_START_WEEK = 1022;
inline constexpr int IDC_DATE_STAMP = 1023;
inline constexpr int IDC_VEHICLE_NUMBER_STAMP = 1025;
inline constexpr int IDC_SPEED_STAMP = 1026;
inline constexpr int IDC_DST_START_MONTH = 1027;
inline constexpr int IDC_DST_STOP_WEEK = 1028;
inline constexpr int IDC_DST_STOP_MONTH = 1029;
inline constexpr int IDC_WIFI_SSID = 1030;
inline constexpr int IDC_SPEED_LIMIT_EVENT = 1031;
inline constexpr int IDC_SPEED_LIMIT = 1032;
inline constexpr int IDC_DATE = 1033;
inline constexpr int IDC_TIME = 1034;
inline constexpr int IDC_GET_PC_TIME = 1035;
inline constexpr int IDC_FORMAT_SD = 1036;
inline constexpr int IDC_FIRMWARE_VERSION = 1037;
inline constexpr int IDC_WIFI_SSID_LABEL = 1038;
inline constexpr int IDC_WIFI_PASSWORD_LABEL = 1039;
inline constexpr int IDC_WIFI_SSID_DEFAULT = 1040;
inline constexpr int IDC_WIFI_PASSWORD_DEFAULT = 1041;
inline constexpr int IDC_SPEED_LIMIT_UNIT = 1042;
inline constexpr int IDC_DST_START_LABEL = 1043;
inline constexpr int IDC_DST_START_SUNDAY = 1044;
inline constexpr int IDC_DST_STOP_LABEL = 1045;
inline constexpr int IDC_DST_STOP_SUNDAY = 1046;
inline constexpr int IDC_DST_MODE_LABEL = 1047;
inline constexpr int IDC_DEFAULT_SET = 1048;

// Controls that need no identifier of their own (plain labels).
inline constexpr int IDC_STATIC = -1;

}  // namespace vesko
