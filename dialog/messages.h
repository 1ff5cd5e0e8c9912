// Every text the settings dialog shows the user, apart from the template's captions.
#pragma once

#include <string_view>

namespace vesko::messages {

inline constexpr std::u16string_view kWindowCaption = u"Quorla Configuration";
inline constexpr std::u16string_view kErrorCaption = u"Error";

// Live editing rules.
inline constexpr std::u16string_view kLengthOver15 = u"Length greater than 15.";
inline constexpr std::u16string_view kLengthOver20 = u"Length greater than 20.";
inline constexpr std::u16string_view kVehicleNumberCharacters = u"Please enter 0-9,'_',a-z,A-Z.";
inline constexpr std::u16string_view kWifiCharacters = u"Please enter 0-9, a-z, A-Z.";
inline constexpr std::u16string_view kDigitsOnly = u"Please enter 0-9.";

// Saving.
inline constexpr std::u16string_view kPasswordTooShort = u"Length less than 8.";
inline constexpr std::u16string_view kSsidMissing = u"Please Enter WiFi SSID.";
inline constexpr std::u16string_view kSsidTooLong = u"Length more than 20.";
inline constexpr std::u16string_view kSpeedOver255 = u"speed limit more than 255 MPH.";
inline constexpr std::u16string_view kSuccessCaption = u"Success";
inline constexpr std::u16string_view kSuccess =
    u"SUCCESS:\n\nPlease click the Driver Event Button to update time.";

// Confirmations.
inline constexpr std::u16string_view kFormatCaption = u"Format SD Card";
inline constexpr std::u16string_view kFormatWarning =
    u"Warning: formatting will erase all data in SD card.\n\n"
    u"\"Ok\":Format( Click DVR \"PANIC KEY\" after \"OK(Save)\" button ).\n\n"
    u"\"Cancel\":Quit.";
inline constexpr std::u16string_view kDefaultSetCaption = u"Default Set";
inline constexpr std::u16string_view kDefaultSetWarning =
    u"Warning: all settings will restore the default values.\n\n"
    u"\"Ok\":Default Set( Click DVR \"PANIC KEY\" after \"OK(Save)\" button ).\n\n"
    u"\"Cancel\":Quit.";

}  // namespace vesko::messages
