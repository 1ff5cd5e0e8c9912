// Writes the translators' template, po/vesko.pot, from the program's own tables: every text
// a window shows, once, with a note on where it appears and how much room it has there.
// scripts/update-catalogs runs it; the catalog check compares its output with the file.
#include <cstdio>
#include <string>

#include "dialog/all_texts.h"
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

}  // namespace

}  // namespace vesko

int main() {
    using namespace vesko;
    std::puts(
        "msgid \"\"\nmsgstr \"\"\n\"Project-Id-Version: vesko\\n\"\n"
        "\"MIME-Version: 1.0\\n\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
        "\"Content-Transfer-Encoding: 8bit\\n\"\n");
    for (const ShownText& entry : AllTexts()) {
        for (const std::string& note : entry.notes) {
            std::printf("#. %s\n", note.c_str());
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
