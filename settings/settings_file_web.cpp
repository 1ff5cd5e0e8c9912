// config.bin in a browser: the card is the folder the user picked (a FileSystemDirectoryHandle)
// or, where the browser cannot write to a folder, a file the user opened, whose new bytes are
// handed back as a download. The page's script does the browser's calls (vesko.card); each is
// awaited here through Asyncify. The browser takes no lock another program honours, so every
// write rests on the comparison just before it.
#include <emscripten.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "settings/file_problems.h"
#include "settings/save_sequence.h"
#include "settings/settings_file.h"
#include "settings/text_conversion.h"

namespace vesko {

namespace {

// Each call answers 0 when done, 1 when the name is not there (or, creating, is taken), and -1
// with the reason in vesko.card.error: a DOMException's name, then its message.
// clang-format off
EM_ASYNC_JS(int, JsListCard, (), {
    return await Module.veskoCard.call("list", []);
});
EM_ASYNC_JS(int, JsReadFile, (const char* name), {
    return await Module.veskoCard.call("read", [UTF8ToString(name)]);
});
EM_ASYNC_JS(int, JsWriteFile, (const char* name, const std::uint8_t* bytes, int size, int whole), {
    return await Module.veskoCard.call(
        "write", [UTF8ToString(name), HEAPU8.slice(bytes, bytes + size), whole !== 0]);
});
EM_ASYNC_JS(int, JsCreateFile, (const char* name, const std::uint8_t* bytes, int size), {
    return await Module.veskoCard.call(
        "create", [UTF8ToString(name), HEAPU8.slice(bytes, bytes + size)]);
});
EM_ASYNC_JS(int, JsCardName, (), {
    return await Module.veskoCard.call("name", []);
});
// What the last call gave: its text (names, one a line, or the reason), its bytes, its number
// (the file's time of last change).
EM_JS(char*, JsResultText, (), {
    return allocateUTF8(Module.veskoCard.text);
});
EM_JS(int, JsResultSize, (), {
    return Module.veskoCard.bytes.length;
});
EM_JS(void, JsResultBytes, (std::uint8_t* out), {
    HEAPU8.set(Module.veskoCard.bytes, out);
});
EM_JS(double, JsResultNumber, (), {
    return Module.veskoCard.number;
});
// clang-format on

std::string ResultText() {
    const std::unique_ptr<char, decltype(&std::free)> text(JsResultText(), &std::free);
    return text ? std::string(text.get()) : std::string();
}

// The browser's reason, as ours where we have one.
[[noreturn]] void Fail(Failure failure) {
    const std::string reason = ResultText();
    const std::string kind = reason.substr(0, reason.find('\n'));
    const std::string message =
        reason.find('\n') == std::string::npos ? reason : reason.substr(reason.find('\n') + 1);
    if (kind == "NotFoundError") {  // the folder went with the card
        throw failure(ReasonFor(FileProblem::kCardGone));
    }
    if (kind == "QuotaExceededError") {
        throw failure(ReasonFor(FileProblem::kCardFull));
    }
    if (kind == "TypeMismatchError") {
        throw failure(ReasonFor(FileProblem::kNotAFile));
    }
    if (kind == "NoModificationAllowedError") {
        throw failure(ReasonFor(FileProblem::kInUse));
    }
    throw failure(FromUtf8(message.empty() ? kind : message));
}

FileIdentity IdentityOf(const std::string& name, double modified) {
    FileIdentity identity;
    const auto stamp = static_cast<std::uint64_t>(modified);
    std::memcpy(identity.id.data(), &stamp, sizeof stamp);
    identity.path.assign(name.begin(), name.end());
    return identity;
}

// The file of that name, or nothing when it went meanwhile.
FoundSettings ReadFile(Failure failure, const std::string& name) {
    const int status = JsReadFile(name.c_str());
    if (status == 1) {
        return std::nullopt;
    }
    if (status != 0) {
        Fail(failure);
    }
    const int size = JsResultSize();
    if (size < 0 || static_cast<std::size_t>(size) > kMaxSettingsFileSize) {
        throw failure(ReasonFor(FileProblem::kTooLarge));
    }
    CardFile file{name, IdentityOf(name, JsResultNumber()),
                  std::vector<std::uint8_t>(static_cast<std::size_t>(size))};
    JsResultBytes(file.content.data());
    return file;
}

std::optional<std::string> FindSettingsFile(Failure failure) {
    if (JsListCard() != 0) {
        Fail(failure);
    }
    std::vector<std::string> matches;
    const std::string names = ResultText();
    std::size_t start = 0;
    while (start < names.size()) {
        const std::size_t end = std::min(names.find('\n', start), names.size());
        const std::string name = names.substr(start, end - start);
        if (IsSettingsFileName(std::string_view(name))) {
            matches.push_back(name);
        }
        start = end + 1;
    }
    return PickSettingsFile(std::move(matches), failure);
}

// What the write sequence holds between finding config.bin and writing it: only its name,
// since the browser holds nothing open.
struct Named {
    std::string name;
    bool valid() const { return !name.empty(); }
};

// The new bytes and the file's new time of last change.
CardFile Written(Failure failure, const std::string& name, std::vector<std::uint8_t> bytes,
                 bool whole) {
    if (JsWriteFile(name.c_str(), bytes.data(), static_cast<int>(whole ? bytes.size() : 128),
                    whole ? 1 : 0) != 0) {
        Fail(failure);
    }
    return {name, IdentityOf(name, JsResultNumber()), std::move(bytes)};
}

// The steps of a write on the card the page holds.
class WebCard {
public:
    static void Hold(Failure /*failure*/) {}
    static std::optional<std::string> Find(Failure failure) { return FindSettingsFile(failure); }
    static Named OpenForSave(Failure /*failure*/, const std::string& name) { return {name}; }
    FoundSettings Read(const Named& file, const std::string& /*name*/) const {
        return ReadFile(SettingsFileError::ReadFailed, file.name);
    }
    // The page writes through the browser's own swap file, which takes the old file's place
    // only once it is whole: either way the old file stays as it was until then.
    static CardFile Update(const Named& file, const CardFile& found, const SettingsRecord& record) {
        return Written(SettingsFileError::WriteFailed, file.name, Updated(found.content, record),
                       false);
    }
    static CardFile Replace(const Named& file, const CardFile& found,
                            const SettingsRecord& record) {
        return Written(SettingsFileError::WriteFailed, file.name, Updated(found.content, record),
                       true);
    }
    static FoundSettings Create(const SettingsRecord& record) {
        std::vector<std::uint8_t> bytes(record.bytes().begin(), record.bytes().end());
        const int status =
            JsCreateFile(kSettingsFileName, bytes.data(), static_cast<int>(bytes.size()));
        if (status == 1) {
            return std::nullopt;
        }
        if (status != 0) {
            Fail(SettingsFileError::WriteFailed);
        }
        return CardFile{kSettingsFileName, IdentityOf(kSettingsFileName, JsResultNumber()),
                        std::move(bytes)};
    }
    static void CheckCreate(Failure /*failure*/) {}
};

}  // namespace

FoundSettings ReadSettingsFile(const Folder& /*the page holds the card*/) {
    constexpr Failure kFailure = SettingsFileError::ReadFailed;
    const std::optional<std::string> name = FindSettingsFile(kFailure);
    return name ? ReadFile(kFailure, *name) : std::nullopt;
}

WriteOutcome WriteIfUnchanged(const Folder& /*the page holds the card*/,
                              const FoundSettings& expected, const SettingsRecord& record,
                              SaveKind kind) {
    WebCard card;
    return WriteOnCard(card, expected, &record, kind);
}

WriteOutcome CheckWrite(const Folder& /*the page holds the card*/, const FoundSettings& expected,
                        SaveKind kind) {
    WebCard card;
    return WriteOnCard(card, expected, nullptr, kind);
}

// The folder the user picked, by the name the browser gives it.
std::u16string FolderAsKnown(const Folder& /*the page holds the card*/) {
    const int status = JsCardName();
    return status == 0 ? FromUtf8(ResultText()) : std::u16string();
}

std::optional<FileIdentity> CardIdentity(const Folder& /*the page holds one card*/) {
    return std::nullopt;
}

}  // namespace vesko
