// The date and time as the window shows them.
#pragma once

#include <string>

#include "settings/clock.h"

namespace vesko {

std::u16string DateText(const LocalTime& time);  // "2017-04-21"
std::u16string TimeText(const LocalTime& time);  // "09:05:07"

}  // namespace vesko
