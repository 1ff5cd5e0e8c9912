// The order of a save, the same on every system; each system's file layer supplies the
// steps on its own handles.
#pragma once

#include <optional>

#include "settings/file_problems.h"
#include "settings/settings_file.h"

namespace vesko {

enum class SaveKind {
    kUpdate,  // the answer goes over the old file
    kReset,   // the answer goes into a new file in place of the old one
};

// How often a save looks again when config.bin keeps appearing under it.
inline constexpr int kSaveAttempts = 3;

// `card` has: OpenForSave(failure), an invalid handle when there is no config.bin; Read;
// WriteAndClose(failure, handle, record); Delete(handle), which closes it; and
// Create(failure, record), false when another program created the file first.
template <typename Card>
bool SaveOnCard(Card& card, SaveKind kind, const SettingsChange& change) {
    const bool reset = kind == SaveKind::kReset;
    for (int attempt = 0; attempt < kSaveAttempts; ++attempt) {
        auto file = card.OpenForSave(reset ? SettingsFileError::DeleteFailed
                                           : SettingsFileError::WriteFailed);
        if (file.valid()) {
            const std::optional<SettingsRecord> answer = change(card.Read(file));
            if (!answer) {
                return false;
            }
            if (!reset) {
                card.WriteAndClose(SettingsFileError::WriteInterrupted, file, *answer);
                return true;
            }
            // Deleted only now: read under the lock and found writable.
            card.Delete(file);
            if (!card.Create(SettingsFileError::ResetInterrupted, *answer)) {
                throw SettingsFileError::ResetInterrupted(ReasonFor(FileProblem::kInUse));
            }
            return true;
        }
        const std::optional<SettingsRecord> answer = change(std::nullopt);
        if (!answer) {
            return false;
        }
        if (card.Create(SettingsFileError::WriteFailed, *answer)) {
            return true;
        }
        // Another program made one meanwhile: decide again on what it holds.
    }
    throw SettingsFileError::WriteFailed(ReasonFor(FileProblem::kInUse));
}

}  // namespace vesko
