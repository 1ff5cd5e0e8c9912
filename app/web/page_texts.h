// What the page says around the window, where the other windows have the system's own boxes
// and an end. English: the page translates each where it shows it.
#pragma once

#include <array>
#include <string_view>

namespace vesko::page_texts {

struct PageText {
    std::string_view key;  // the page script's name for it
    std::u16string_view english;
};

inline constexpr std::array kAll = {
    PageText{"openCard", u"Open card\u2026"},
    PageText{"openFile", u"Open config.bin\u2026"},
    PageText{"cardNote",
             u"Choose the top folder of the recorder's SD card. While this page has it open, "
             u"no other program should change its config.bin."},
    PageText{"fileNote",
             u"Open the config.bin of the recorder's SD card. \"OK (Save)\" downloads the new "
             u"config.bin: save it onto the card's top folder in place of the old one."},
    PageText{"written", u"The settings were written to the card."},
    PageText{"downloaded",
             u"The new config.bin was downloaded: save it onto the card's top folder in place "
             u"of the old one."},
    PageText{"closed", u"Nothing was written."},
    // The buttons of its boxes.
    PageText{"ok", u"OK"},
    PageText{"cancel", u"Cancel"},
    PageText{"yes", u"Yes"},
    PageText{"no", u"No"},
};

}  // namespace vesko::page_texts
