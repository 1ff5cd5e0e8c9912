#include <algorithm>
#include <string_view>

#include "settings/settings_file.h"
#include "settings/text_conversion.h"

namespace vesko {

namespace {

std::string Narrow(std::u16string_view text) {
    std::string out(text.size(), '?');
    std::transform(text.begin(), text.end(), out.begin(),
                   [](char16_t c) { return c < 0x80 ? static_cast<char>(c) : '?'; });
    return out;
}

SettingsFileError Failed(std::u16string_view action, std::u16string_view reason) {
    return SettingsFileError(std::u16string(action) + u" " + FromUtf8(kSettingsFileName) + u": " +
                             std::u16string(reason) + u".");
}

}  // namespace

SettingsFileError::SettingsFileError(std::u16string message, bool file_deleted)
    : std::runtime_error(Narrow(message)),
      message_(std::move(message)),
      file_deleted_(file_deleted) {}

SettingsFileError SettingsFileError::ReadFailed(std::u16string_view reason) {
    return Failed(u"Could not read", reason);
}

SettingsFileError SettingsFileError::WriteFailed(std::u16string_view reason) {
    return Failed(u"Could not write", reason);
}

SettingsFileError SettingsFileError::WriteInterrupted(std::u16string_view reason) {
    return SettingsFileError(Failed(u"Could not write", reason).message() +
                             u" The card may hold part of the new settings; saving again is safe.");
}

SettingsFileError SettingsFileError::ResetInterrupted(std::u16string_view reason) {
    return SettingsFileError(Failed(u"Could not write", reason).message() +
                                 u" The old config.bin was deleted and the factory settings "
                                 u"were not written; save again to write them.",
                             true);
}

SettingsFileError SettingsFileError::DeleteFailed(std::u16string_view reason) {
    return Failed(u"Could not delete", reason);
}

}  // namespace vesko
