#include <algorithm>
#include <string_view>

#include "settings/file_texts.h"
#include "settings/settings_file.h"
#include "settings/text_conversion.h"
#include "settings/translation.h"

namespace vesko {

namespace {

using namespace file_texts;

std::string Narrow(std::u16string_view text) {
    std::string out(text.size(), '?');
    std::transform(text.begin(), text.end(), out.begin(),
                   [](char16_t c) { return c < 0x80 ? static_cast<char>(c) : '?'; });
    return out;
}

// `reason` is one of ours or the system's own words, which come in the user's language.
SettingsFileError Failed(std::u16string_view pattern, std::u16string_view reason) {
    return SettingsFileError(TrFill(pattern, {FromUtf8(kSettingsFileName), Tr(reason)}));
}

// A failed write that leaves the card otherwise than it was says what that means.
SettingsFileError WriteFailedAnd(std::u16string_view reason, std::u16string_view consequence,
                                 bool file_deleted) {
    return SettingsFileError(
        SettingsFileError::WriteFailed(reason).message() + u" " + Tr(consequence), file_deleted);
}

}  // namespace

SettingsFileError::SettingsFileError(std::u16string message, bool file_deleted)
    : std::runtime_error(Narrow(message)),
      message_(std::move(message)),
      file_deleted_(file_deleted) {}

SettingsFileError SettingsFileError::ReadFailed(std::u16string_view reason) {
    return Failed(kCouldNotRead, reason);
}

SettingsFileError SettingsFileError::WriteFailed(std::u16string_view reason) {
    return Failed(kCouldNotWrite, reason);
}

SettingsFileError SettingsFileError::WriteInterrupted(std::u16string_view reason) {
    return WriteFailedAnd(reason, kPartlyWritten, false);
}

SettingsFileError SettingsFileError::ResetInterrupted(std::u16string_view reason) {
    return WriteFailedAnd(reason, kResetNotWritten, true);
}

SettingsFileError SettingsFileError::DeleteFailed(std::u16string_view reason) {
    return Failed(kCouldNotDelete, reason);
}

}  // namespace vesko
