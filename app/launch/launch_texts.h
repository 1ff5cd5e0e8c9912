// What the window programs say about their command line. %1 is what the user gave.
#pragma once

#include <array>
#include <string_view>

#include "settings/text_literal.h"

namespace vesko::launch_texts {

inline constexpr std::u16string_view kUsage = kText<
    u"Usage: vesko [FOLDER]\n"
    u"Edits the settings of a dash camera in FOLDER/config.bin, FOLDER being the top folder\n"
    u"of the recorder's SD card (default: the current folder).">;
inline constexpr std::u16string_view kChooseCardHelp =
    kText<u"ask for the card's folder first, unless FOLDER is given">;
inline constexpr std::u16string_view kHelpHelp = kText<u"show this help and end">;
inline constexpr std::u16string_view kVersionHelp = kText<u"show the version and end">;

inline constexpr std::u16string_view kNoSuchFolder = kText<u"no such folder: %1">;
// %2: the system's reason.
inline constexpr std::u16string_view kCannotOpenFolder = kText<u"cannot open folder %1: %2">;
inline constexpr std::u16string_view kNotAFolder = kText<u"not a folder: %1">;
inline constexpr std::u16string_view kUnknownOption =
    kText<u"unknown option: %1 (see vesko --help)">;
inline constexpr std::u16string_view kSecondFolder =
    kText<u"one card folder only, but also given: %1">;
inline constexpr std::u16string_view kNotUnicode = kText<u"not valid Unicode text: %1">;

// The Linux program's folder chooser.
inline constexpr std::u16string_view kChooseCard = kText<u"Choose the recorder's SD card">;

inline constexpr std::array kAll = {
    kUsage,      kChooseCardHelp, kHelpHelp,     kVersionHelp, kNoSuchFolder, kCannotOpenFolder,
    kNotAFolder, kUnknownOption,  kSecondFolder, kNotUnicode,  kChooseCard,
};

}  // namespace vesko::launch_texts
