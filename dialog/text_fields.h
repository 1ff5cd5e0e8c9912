// The free-text fields: where each is stored and what its checks say.
#pragma once

#include <span>
#include <string_view>

#include "settings/settings_record.h"

namespace vesko {

struct TextField {
    int control;
    Field field;  // its width is also the longest text the field takes
    std::u16string_view length_message;
    std::u16string_view character_message;
};

// In the order the dialog fills and saves them.
extern const std::span<const TextField> kTextFields;

const TextField* FindTextField(int control);

}  // namespace vesko
