#include <string_view>

#include "settings/file_texts.h"
#include "settings/settings_file.h"
#include "settings/text_conversion.h"
#include "settings/translation.h"

namespace vesko {

namespace {

using namespace file_texts;

// `reason` is one of ours or the system's own words, which come in the user's language.
SettingsFileError Failed(std::u16string_view pattern, std::u16string_view reason) {
    return SettingsFileError(TrFill(pattern, {FromUtf8(kSettingsFileName), Tr(reason)}));
}

}  // namespace

SettingsFileError::SettingsFileError(std::u16string message, bool write_began)
    : std::runtime_error(ToUtf8(message)),
      message_(std::move(message)),
      write_began_(write_began) {}

SettingsFileError SettingsFileError::ReadFailed(std::u16string_view reason) {
    return Failed(kCouldNotRead, reason);
}

SettingsFileError SettingsFileError::WriteFailed(std::u16string_view reason) {
    return Failed(kCouldNotWrite, reason);
}

// A failed write that may have left some of its bytes says so.
SettingsFileError SettingsFileError::WriteInterrupted(std::u16string_view reason) {
    return SettingsFileError(WriteFailed(reason).message() + u" " + Tr(kPartlyWritten), true);
}

}  // namespace vesko
