// What the page says around the window, where the other windows have the system's own boxes
// and an end. English: the page translates each where it shows it.
#pragma once

#include <array>
#include <string_view>

#include "settings/text_literal.h"

namespace vesko::page_texts {

struct PageText {
    std::string_view key;  // the page script's name for it
    std::u16string_view english;
};

inline constexpr std::array kAll = {
    PageText{"openCard", kText<u"Open card\u2026">},
    PageText{"openFile", kText<u"Open config.bin\u2026">},
    PageText{"cardNote",
             kText<u"Choose the top folder of the recorder's SD card. While this page has it open, "
                   u"no other program should change its config.bin.">},
    PageText{
        "fileNote",
        kText<u"Open the config.bin of the recorder's SD card. \"OK (Save)\" downloads the new "
              u"config.bin: save it onto the card's top folder in place of the old one.">},
    PageText{"written", kText<u"The settings were written to the card.">},
    PageText{
        "downloaded",
        kText<u"The new config.bin was downloaded: save it onto the card's top folder in place "
              u"of the old one.">},
    PageText{"closed", kText<u"Nothing was written.">},
    // The buttons of its boxes.
    PageText{"ok", kText<u"OK">},
    PageText{"cancel", kText<u"Cancel">},
    PageText{"yes", kText<u"Yes">},
    PageText{"no", kText<u"No">},
};

}  // namespace vesko::page_texts
