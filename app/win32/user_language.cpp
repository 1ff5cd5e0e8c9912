#include "app/win32/user_language.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "dialog/all_texts.h"
#include "settings/packed_catalog.h"

namespace vesko {

namespace {

std::wstring LocaleText(LANGID language, LCTYPE what) {
    std::array<wchar_t, 16> text{};
    const int length = ::GetLocaleInfoW(MAKELCID(language, SORT_DEFAULT), what, text.data(),
                                        static_cast<int>(text.size()));
    return length > 1 ? std::wstring(text.data(), static_cast<std::size_t>(length - 1))
                      : std::wstring();
}

// A resource of the program lives as long as the program.
std::span<const std::uint8_t> Resource(HINSTANCE instance, const std::wstring& name) {
    HRSRC found = ::FindResourceW(instance, name.c_str(), RT_RCDATA);
    HGLOBAL loaded = found != nullptr ? ::LoadResource(instance, found) : nullptr;
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return {};
    }
    return {static_cast<const std::uint8_t*>(bytes), ::SizeofResource(instance, found)};
}

}  // namespace

bool UseLanguage(HINSTANCE instance, const std::wstring& language) {
    const std::span<const std::uint8_t> bytes = Resource(instance, language);
    if (bytes.empty()) {
        return false;
    }
    UsePackedCatalog(bytes, CatalogKeys());
    return true;
}

// As on Linux: the language with its country ("pt_BR"), else the language alone ("de").
bool UseUserLanguage(HINSTANCE instance) {
    const LANGID language = ::GetUserDefaultUILanguage();
    const std::wstring code = LocaleText(language, LOCALE_SISO639LANGNAME);
    const std::wstring country = LocaleText(language, LOCALE_SISO3166CTRYNAME);
    return !code.empty() &&
           (UseLanguage(instance, code + L"_" + country) || UseLanguage(instance, code));
}

}  // namespace vesko
