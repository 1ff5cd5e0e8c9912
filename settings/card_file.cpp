// What every system's file layer shares: the found file's record, the comparison a write
// makes, the choice among spellings of config.bin.
#include <algorithm>

#include "settings/file_texts.h"
#include "settings/save_sequence.h"
#include "settings/settings_file.h"
#include "settings/text_conversion.h"
#include "settings/translation.h"

namespace vesko {

SettingsRecord CardFile::Record() const {
    SettingsRecord record;
    std::copy_n(content.begin(), std::min(content.size(), SettingsRecord::kSize),
                record.bytes().begin());
    return record;
}

bool SameFile(const FoundSettings& a, const FoundSettings& b) {
    return a.has_value() == b.has_value() && (!a || a->Same(*b));
}

bool ReadSettingsFile(const Folder& folder, SettingsRecord& record) {
    const FoundSettings found = ReadSettingsFile(folder);
    if (found) {
        record = found->Record();
    }
    return found.has_value();
}

void WriteSettingsFile(const Folder& folder, const SettingsRecord& record, SaveKind kind) {
    FoundSettings expected;
    for (int attempt = 0; attempt <= kSaveAttempts; ++attempt) {
        WriteOutcome outcome = WriteIfUnchanged(folder, expected, record, kind);
        if (outcome.done) {
            return;
        }
        expected = std::move(outcome.now);  // whatever it holds
    }
    throw SettingsFileError::WriteFailed(ReasonFor(FileProblem::kInUse));
}

std::optional<std::string> PickSettingsFile(std::vector<std::string> matches, Failure failure) {
    if (matches.empty()) {
        return std::nullopt;
    }
    if (matches.size() > 1) {
        std::sort(matches.begin(), matches.end());
        throw failure(
            TrFill(file_texts::kSeveralFiles, {FromUtf8(matches[0]), FromUtf8(matches[1])}));
    }
    return matches.front();
}

std::vector<std::uint8_t> Updated(const std::vector<std::uint8_t>& content,
                                  const SettingsRecord& record) {
    std::vector<std::uint8_t> bytes = content;
    bytes.resize(std::max(bytes.size(), SettingsRecord::kSize));
    std::copy(record.bytes().begin(), record.bytes().end(), bytes.begin());
    return bytes;
}

}  // namespace vesko
