// The window in the user's interface language, from the catalogs built into the program.
#pragma once

#include <windows.h>

#include <string>

namespace vesko {

// Makes the catalog of the user's language the texts' lookup; false, and English, where the
// program carries none for it.
bool UseUserLanguage(HINSTANCE instance);

// The catalog named `language` ("de", "pt_BR"); false, leaving the lookup as it was, where the
// program carries none of that name.
bool UseLanguage(HINSTANCE instance, const std::wstring& language);

}  // namespace vesko
