// What show prints after the settings: the bytes the recorder and each save write, which no
// command sets. get takes their keys too.
#pragma once

#include <nlohmann/json.hpp>

#include <span>
#include <string>
#include <string_view>

#include "settings/settings_record.h"

namespace vesko::cli {

struct CardFact {
    std::string_view key;
    std::string_view label;
    std::string_view about;  // for keys
    std::string (*text)(const SettingsRecord&);
    nlohmann::ordered_json (*json)(const SettingsRecord&);
};

extern const std::span<const CardFact> kCardFacts;

const CardFact* FindFact(std::string_view key);

}  // namespace vesko::cli
