// Any bytes as a profile: the reader either refuses them with a message or returns values
// that each passed the window's checks, which a save then stores without a refusal.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "app/cli/cli_errors.h"
#include "app/cli/profile.h"
#include "settings/defaults.h"
#include "settings/save_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vesko;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    cli::Profile profile;
    try {
        profile = cli::ParseProfile(text);
    } catch (const cli::BadInput& refused) {
        if (std::string_view(refused.what()).empty()) {
            std::abort();  // every refusal says why
        }
        return 0;
    }
    cli::KeysAsked asked;
    for (const cli::SettingValue& value : profile) {
        asked.Add(value);
    }
    const SaveResult save = SaveRecord(FactoryDefaults(), asked, SystemClock());
    if (save.refusal) {
        std::fprintf(stderr, "broken: %.*s was let through\n",
                     static_cast<int>(save.refusal->setting->key.size()),
                     save.refusal->setting->key.data());
        std::abort();
    }
    return 0;
}
