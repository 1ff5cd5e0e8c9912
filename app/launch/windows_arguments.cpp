#include "app/launch/windows_arguments.h"

#include <algorithm>
#include <utility>

#include "app/launch/launch_texts.h"
#include "settings/text_conversion.h"
#include "settings/translation.h"

namespace vesko {

namespace {

constexpr std::u16string_view kBlanks = u" \t";

// The program's name runs to the next quote when it starts with one, else to the first blank;
// a backslash in it is always a backslash.
std::size_t AfterProgramName(std::u16string_view line) {
    if (line.starts_with(u'"')) {
        return std::min(line.find(u'"', 1), line.size() - 1) + 1;
    }
    return std::min(line.find_first_of(kBlanks), line.size());
}

// No argument either program takes holds a double quote (no file name can, and no setting's
// value takes one), so a quote always groups. Backslashes before a quote are halved as the
// system's rules halve them, but an odd one is a backslash rather than making the quote a
// character: the system reads "E:\" "x" as one word E:" x, here it is the drive's root and x.
std::vector<std::u16string> Split(std::u16string_view line) {
    std::vector<std::u16string> words;
    std::u16string word;
    bool in_word = false;
    bool quoted = false;
    for (std::size_t i = AfterProgramName(line); i < line.size(); ++i) {
        const char16_t c = line[i];
        if (!quoted && kBlanks.find(c) != std::u16string_view::npos) {
            if (in_word) {
                words.push_back(std::exchange(word, {}));
                in_word = false;
            }
            continue;
        }
        in_word = true;
        if (c == u'"') {
            quoted = !quoted;
        } else if (c == u'\\') {
            const std::size_t run = std::min(line.find_first_not_of(u'\\', i), line.size()) - i;
            const bool before_quote = i + run < line.size() && line[i + run] == u'"';
            word.append(before_quote ? (run + 1) / 2 : run, u'\\');
            i += run - 1;
        } else {
            word.push_back(c);
        }
    }
    if (in_word) {
        words.push_back(std::move(word));
    }
    return words;
}

// "E:" alone names the drive's current folder, which is not where a card keeps config.bin.
bool IsBareDrive(std::u16string_view word) {
    const char16_t letter = word.empty() ? u'\0' : static_cast<char16_t>(word[0] | 0x20u);
    return word.size() == 2 && word[1] == u':' && letter >= u'a' && letter <= u'z';
}

}  // namespace

WindowsArguments ReadWindowsArguments(std::u16string_view command_line) {
    WindowsArguments arguments;
    for (std::u16string& word : Split(command_line)) {
        // NTFS and FAT long names may hold one, which no UTF-8 text can.
        if (HasUnpairedSurrogate(word)) {
            return {{}, TrFillUtf8(launch_texts::kNotUnicode, {ToUtf8(word)})};
        }
        if (IsBareDrive(word)) {
            word.push_back(u'\\');
        }
        arguments.words.push_back(ToUtf8(word));
    }
    return arguments;
}

}  // namespace vesko
