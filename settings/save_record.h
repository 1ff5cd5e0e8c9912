// The one answer to "which bytes does a save write?", for the window and for every writing
// command of vesko-cli alike: the same typing rule, the same save checks, the same Wi-Fi lock.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/clock.h"
#include "settings/saved_bytes.h"
#include "settings/settings_record.h"
#include "settings/settings_schema.h"

namespace vesko {

// What a save is asked to store beyond the card's bytes as read: the window's controls, or a
// command's keys.
class SaveRequest {
public:
    // A text or number as typed (or put there by program). Nothing: the card's, as the window
    // shows it, after the typing rule. Every text and number is saved either way.
    virtual std::optional<std::u16string> Text(const Setting& setting) const = 0;
    // A list's byte. Nothing: the card's stays, as for a list that shows no entry.
    virtual std::optional<std::uint8_t> Byte(const Setting& setting) const = 0;

    std::optional<bool> format;  // the format request, where it was answered

protected:
    SaveRequest() = default;
    SaveRequest(const SaveRequest&) = default;
    SaveRequest& operator=(const SaveRequest&) = default;
    ~SaveRequest() = default;
};

struct SaveResult {
    // The card's bytes with every value stored; after a refusal, those stored before it, and
    // the refused text's field cleared.
    SettingsRecord record;
    SavedBytes bytes;  // of `record`, the ones the save writes
    // The setting refused and the save check's message (in English; empty for the one
    // refusal that says nothing). Nothing may be written then.
    struct Refusal {
        const Setting* setting;
        std::u16string_view message;
    };
    std::optional<Refusal> refusal;
    LocalTime time = {};  // stamped into `record`

    // What the save writes over `file`, the card's bytes at the moment of writing: every
    // other byte stays as the file holds it, and a file from a recorder without Wi-Fi keeps
    // its Wi-Fi bytes.
    SettingsRecord Over(const SettingsRecord& file) const;
};

// Checks every text and number in the window's order, stops at the first refusal, and
// stamps `clock`'s time when none refuses.
SaveResult SaveRecord(const SettingsRecord& read, const SaveRequest& request, const Clock& clock);

// Whether a save leaves this setting of the card as it is, whatever is asked: the Wi-Fi
// settings of a recorder without Wi-Fi.
bool KeptBySave(const SettingsRecord& card, const Setting& setting);

// The text as the window shows it once its typing rule has run: the last character taken
// back while the rule refuses it. `message` gets what the rule says of the whole text.
std::u16string TextAsTyped(const Setting& setting, std::u16string text,
                           std::u16string_view* message = nullptr);

// What a save of `read` does that nobody asked for, for those who cannot see it happen.
struct UnaskedChanges {
    struct TakenBack {  // a text the typing rule shortened
        const Setting* setting;
        std::u16string was;
        std::u16string now;
        std::u16string_view message;  // the rule's, in English
    };
    std::vector<TakenBack> taken_back;
    std::vector<const Setting*> kept;  // asked of a recorder without Wi-Fi: left as they are
};
UnaskedChanges UnaskedChangesOf(const SettingsRecord& read, const SaveRequest& request);

}  // namespace vesko
