// The order of a write, the same on every system; each system's file layer supplies the
// steps on its own handles.
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/file_problems.h"
#include "settings/settings_file.h"

namespace vesko {

using Failure = SettingsFileError (*)(std::u16string_view);

// The name of a temporary file a reset writes beside config.bin before it takes its place.
inline constexpr char kNewSettingsFileName[] = "config.bin.vesko-new";

// Of the names in a folder that are config.bin in some case, the one to use: nothing when
// there is none. Several are refused, since the recorder cannot tell them apart.
std::optional<std::string> PickSettingsFile(std::vector<std::string> matches, Failure failure);

// The file's bytes after `record` went over its first 128.
std::vector<std::uint8_t> Updated(const std::vector<std::uint8_t>& content,
                                  const SettingsRecord& record);

// `card` has: Hold(failure), which keeps other writers of ours out of the folder until the
// card is destroyed; Find(failure), config.bin's name, if any; OpenForSave(failure, name),
// held exclusively, an invalid handle when it has gone meanwhile; Read(handle, name);
// Update(handle, found, record); Replace(handle, found, record); Create(record), nothing when
// another program made one first; CheckCreate(failure), which fails as making a file in the
// folder would. `record` is null to check only.
template <typename Card>
WriteOutcome WriteOnCard(Card& card, const FoundSettings& expected, const SettingsRecord* record,
                         SaveKind kind) {
    const Failure failure = SettingsFileError::WriteFailed;
    card.Hold(failure);
    for (int attempt = 0; attempt < kSaveAttempts; ++attempt) {
        const std::optional<std::string> name = card.Find(failure);
        if (!name) {
            if (expected) {
                return {false, std::nullopt};
            }
            if (record == nullptr) {
                card.CheckCreate(failure);
                return {true, std::nullopt};
            }
            if (FoundSettings made = card.Create(*record)) {
                return {true, std::move(made)};
            }
            continue;  // another program made one: what it holds is not what was expected
        }
        auto file = card.OpenForSave(failure, *name);
        if (!file.valid()) {
            continue;  // gone since the folder was listed
        }
        FoundSettings now = card.Read(file, *name);
        if (!SameFile(now, expected)) {
            return {false, std::move(now)};
        }
        if (record == nullptr) {
            if (kind == SaveKind::kReset) {
                card.CheckCreate(failure);
            }
            return {true, std::move(now)};
        }
        if (kind == SaveKind::kUpdate) {
            return {true, card.Update(file, *now, *record)};
        }
        return {true, card.Replace(file, *now, *record)};
    }
    throw failure(ReasonFor(FileProblem::kInUse));
}

}  // namespace vesko
