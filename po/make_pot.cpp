// Writes the translators' template, po/vesko.pot, from the program's own tables: every text
// a window shows, once, with a note on where it appears and how much room it has there.
// scripts/update-catalogs runs it; the catalog check compares its output with the file.
#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "dialog/all_texts.h"
#include "dialog/dialog_template.h"
#include "settings/text_conversion.h"

namespace vesko {

namespace {

// One line per line of the text, as gettext's own tools write it.
std::string Quoted(const std::string& text) {
    std::string out = text.find('\n') != std::string::npos ? "\"\"\n\"" : "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c == '\n' ? std::string("\\n\"\n\"") : std::string(1, c);
    }
    return out + "\"";
}

std::string Kind(const ControlTemplate& control) {
    switch (control.kind) {
        case ControlKind::kPushButton:
            return "Button";
        case ControlKind::kLabel:
            return (control.styles & kSunken) != 0 ? "Setting label" : "Label";
        default:
            return "Control";
    }
}

std::string Size(const DialogRect& rect) {
    return std::to_string(rect.width) + " x " + std::to_string(rect.height) +
           " dialog units: keep it about as long as the English";
}

// What translators are told of a place where a text is seen, and how much room it has there.
std::string Note(const Seen& seen) {
    const std::string window(seen.window);
    switch (seen.place) {
        case Place::kTitle:
            return "Title of the " + window;
        case Place::kControl:
            return Kind(*seen.control) + " in the " + window + ", " + Size(seen.control->rect);
        case Place::kListEntry:
            return "Entry of a list in the " + window + ", " + Size(seen.control->rect);
        case Place::kSettingName:
            return "The name of a setting, whole, as screen readers say it for its input and as "
                   "messages quote it (\"Another program has changed: %1.\"). Write it as a noun "
                   "phrase in the nominative and in full: no abbreviation, whatever its label has";
        case Place::kCheck:
            return "What a check of a typed value says";
        case Place::kListJoin:
            return "Joins the names in a list of settings, one pair at a time";
        case Place::kMessage:
            return "A message of the settings window";
        case Place::kFileAccess:
            return "What a failed access to the card says";
        case Place::kReason:
            return "A reason why the card could not be read or written (%2 above)";
        case Place::kCommandLine:
            return "The window program's command line (vesko --help, errors)";
        case Place::kPage:
            return "What the page around the window in a browser says";
    }
    return {};
}

}  // namespace

}  // namespace vesko

int main() {
    using namespace vesko;
    std::puts(
        "msgid \"\"\nmsgstr \"\"\n\"Project-Id-Version: vesko\\n\"\n"
        "\"MIME-Version: 1.0\\n\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
        "\"Content-Transfer-Encoding: 8bit\\n\"\n");
    for (const ShownText& entry : AllTexts()) {
        std::vector<std::string> notes;  // each once: two places may read alike
        for (const Seen& seen : entry.seen) {
            std::string note = Note(seen);
            if (std::find(notes.begin(), notes.end(), note) == notes.end()) {
                std::printf("#. %s\n", note.c_str());
                notes.push_back(std::move(note));
            }
        }
        if (entry.text.find(u"%1") != std::u16string_view::npos) {
            std::puts("#, qt-format");
        }
        if (!entry.context.empty()) {
            std::printf("msgctxt %s\n", Quoted(ToUtf8(entry.context)).c_str());
        }
        std::printf("msgid %s\nmsgstr \"\"\n\n", Quoted(ToUtf8(entry.text)).c_str());
    }
}
