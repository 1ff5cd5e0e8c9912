#include "app/cli/list_entries.h"

#include <algorithm>

#include "app/cli/safe_text.h"

namespace vesko::cli {

namespace {

// Lower case without blanks, for comparing; look-alike blanks and hyphens as ASCII.
std::u16string Folded(std::u16string_view text) {
    std::u16string folded;
    for (const char16_t typed : text) {
        const char16_t c = AsciiLookAlike(typed);
        if (c != u' ' && c != u'\t') {
            folded += c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
        }
    }
    return folded;
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// "+2", "-03:00", "gmt+2", "utc-3:00" (folded) as the window's entry text "GMT +2:00", or
// "GMT" for no offset.
std::optional<std::u16string> OffsetEntry(std::u16string text) {
    if (text.starts_with(u"gmt") || text.starts_with(u"utc")) {
        text.erase(0, 3);
    }
    if (text.size() < 2 || (text[0] != u'+' && text[0] != u'-')) {
        return std::nullopt;
    }
    const std::size_t colon = text.find(u':');
    const std::u16string hours = text.substr(1, colon == std::u16string::npos ? colon : colon - 1);
    const bool whole_hour = colon == std::u16string::npos || text.substr(colon) == u":00";
    if (hours.empty() || hours.size() > 2 || !std::all_of(hours.begin(), hours.end(), IsDigit) ||
        !whole_hour) {
        return std::nullopt;
    }
    const int value = std::stoi(std::string(hours.begin(), hours.end()));
    if (value == 0) {
        return u"GMT";
    }
    const std::string digits = std::to_string(value);
    return u"GMT " + std::u16string(1, text[0]) + std::u16string(digits.begin(), digits.end()) +
           u":00";
}

std::optional<std::uint8_t> ExplicitByte(std::u16string_view folded) {
    if (!folded.starts_with(kBytePrefix)) {
        return std::nullopt;
    }
    const std::u16string_view digits = folded.substr(kBytePrefix.size());
    if (digits.empty() || digits.size() > 3 ||
        !std::all_of(digits.begin(), digits.end(), IsDigit)) {
        return std::nullopt;
    }
    const int value = std::stoi(std::string(digits.begin(), digits.end()));
    return value <= 255 ? std::optional<std::uint8_t>(static_cast<std::uint8_t>(value))
                        : std::nullopt;
}

}  // namespace

std::optional<std::uint8_t> ListByte(const ValueTable& table, std::u16string_view written) {
    const std::u16string folded = Folded(written);
    if (const auto byte = ExplicitByte(folded)) {
        return byte;
    }
    // Each way of writing an entry, from the strictest: the first that names exactly one wins.
    const bool zone = &table == &tables::kTimeZone;
    const auto offset = zone ? OffsetEntry(folded) : std::nullopt;
    using Form = std::u16string (*)(std::u16string_view entry);
    const Form forms[] = {
        [](std::u16string_view entry) { return Folded(entry); },
        [](std::u16string_view entry) { return Folded(entry.substr(0, entry.find(u'('))); },
        // "GMT -8:00" names "GMT -8:00 PST".
        [](std::u16string_view entry) { return Folded(entry.substr(0, entry.find(u' ', 4))); },
    };
    for (const std::u16string& wanted : {folded, offset ? Folded(*offset) : std::u16string()}) {
        for (std::size_t i = 0; i < (zone ? 3u : 2u) && !wanted.empty(); ++i) {
            const auto matches = [&](std::u16string_view entry) {
                return forms[i](entry) == wanted;
            };
            const auto found = std::find_if(table.entries.begin(), table.entries.end(), matches);
            if (found != table.entries.end() &&
                std::count_if(table.entries.begin(), table.entries.end(), matches) == 1) {
                return static_cast<std::uint8_t>(found - table.entries.begin() + table.first_value);
            }
        }
    }
    return std::nullopt;
}

std::u16string ListEntry(const ValueTable& table, std::uint8_t byte) {
    const std::size_t index = static_cast<std::size_t>(byte) - table.first_value;
    if (byte < table.first_value || index >= table.entries.size()) {
        const std::string digits = std::to_string(byte);
        return std::u16string(kBytePrefix) + std::u16string(digits.begin(), digits.end());
    }
    return std::u16string(table.entries[index]);
}

}  // namespace vesko::cli
