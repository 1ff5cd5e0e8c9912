// The window in the user's interface language, from the catalogs built into the program.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace vesko {

// Makes the catalog of the user's display language the texts' lookup; false, and English,
// where the program carries none for it.
bool UseUserLanguage(HINSTANCE instance);

// The catalog named `language` ("de", "pt_BR"); false, leaving the lookup as it was, where the
// program carries none of that name.
bool UseLanguage(HINSTANCE instance, const std::wstring& language);

// The catalog for the user's display languages, `preferred` as Windows lists them
// ("nl-NL\0de-DE\0"), where `carried` says which the program has. As on Linux with
// LANGUAGE=nl:de: the first language the program speaks wins, each tried with its country
// ("pt_BR") and then alone ("de"); English, its own language, needs no catalog. Empty: English.
std::wstring ChooseCatalog(std::wstring_view preferred,
                           const std::function<bool(const std::wstring&)>& carried);

}  // namespace vesko
