#include "app/win32/user_language.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "dialog/all_texts.h"
#include "settings/packed_catalog.h"

namespace vesko {

namespace {

// The user's display languages, most wanted first, each ended by a zero.
std::wstring PreferredLanguages() {
    ULONG count = 0;
    ULONG size = 0;
    if (!::GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size)) {
        return {};
    }
    std::wstring names(size, L'\0');
    if (!::GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size)) {
        return {};
    }
    return names;
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

bool UseUserLanguage(HINSTANCE instance) {
    const std::wstring catalog =
        ChooseCatalog(PreferredLanguages(), [instance](const std::wstring& name) {
            return ::FindResourceW(instance, name.c_str(), RT_RCDATA) != nullptr;
        });
    return !catalog.empty() && UseLanguage(instance, catalog);
}

std::wstring ChooseCatalog(std::wstring_view preferred,
                           const std::function<bool(const std::wstring&)>& carried) {
    while (!preferred.empty() && preferred.front() != L'\0') {
        const std::wstring_view name = preferred.substr(0, preferred.find(L'\0'));
        preferred.remove_prefix(std::min(preferred.size(), name.size() + 1));
        std::wstring language(name.substr(0, name.find(L'-')));
        if (language == L"en") {
            return {};
        }
        // "zh-Hans-CN": the country is the last part, where there is one ("zh-Hans" has none).
        const std::wstring_view country = name.substr(std::min(name.size(), name.rfind(L'-') + 1));
        std::wstring with_country = language + L"_" + std::wstring(country);
        if (country.size() < name.size() && country.size() <= 3 && carried(with_country)) {
            return with_country;
        }
        if (carried(language)) {
            return language;
        }
    }
    return {};
}

}  // namespace vesko
