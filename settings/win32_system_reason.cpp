#include "settings/win32_system_reason.h"

#include "settings/file_texts.h"
#include "settings/translation.h"

namespace vesko {

std::u16string SystemReason(DWORD error) {
    wchar_t buffer[512] = {};
    DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                    nullptr, error, 0, buffer, 512, nullptr);
    while (length > 0 && (buffer[length - 1] == L'\r' || buffer[length - 1] == L'\n' ||
                          buffer[length - 1] == L'.' || buffer[length - 1] == L' ')) {
        --length;
    }
    if (length == 0) {
        const std::string digits = std::to_string(error);
        return TrFill(file_texts::kSystemError, {std::u16string(digits.begin(), digits.end())});
    }
    return std::u16string(buffer, buffer + length);
}

}  // namespace vesko
