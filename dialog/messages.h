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

}  // namespace vesko::messages
