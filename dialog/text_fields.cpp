#include "dialog/text_fields.h"

#include <algorithm>
#include <array>

#include "dialog/control_ids.h"
#include "dialog/messages.h"

namespace vesko {

namespace {

constexpr std::array kTextFieldRows = {
    TextField{IDC_VEHICLE_NUMBER, fields::kVehicleNumber, messages::kLengthOver15,
              messages::kVehicleNumberCharacters},
    TextField{IDC_WIFI_PASSWORD, fields::kWifiPassword, messages::kLengthOver20,
              messages::kWifiCharacters},
    TextField{IDC_WIFI_SSID, fields::kWifiSsid, messages::kLengthOver20, messages::kWifiCharacters},
};

}  // namespace

constinit const std::span<const TextField> kTextFields = kTextFieldRows;

const TextField* FindTextField(int control) {
    const auto it = std::find_if(kTextFields.begin(), kTextFields.end(),
                                 [control](const TextField& f) { return f.control == control; });
    return it == kTextFields.end() ? nullptr : &*it;
}

}  // namespace vesko
