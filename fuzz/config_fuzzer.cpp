// Any bytes as config.bin: the dialog opens on them, the user picks what the input says,
// and a save follows. Beside the sanitizers' own checks: nothing the user did not change
// is changed on the card, and the file never shrinks below a whole record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "dialog/control_ids.h"
#include "dialog/dialog_template.h"
#include "fake_dialog_view.h"
#include "temp_folder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::size_t kMaxFile = 300;

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vesko;
    static testing::TempFolder folder;  // one folder for the whole run

    const Bytes file(data, data + std::min(size, kMaxFile));
    testing::WriteConfigBytes(file);
    Bytes before = file;
    before.resize(std::max<std::size_t>(before.size(), SettingsRecord::kSize), 0);

    testing::OpenedDialog d;
    // Bytes 0 to 18 of the input also say which entries the user picks: an odd byte picks
    // entry byte / 2 of its list, where the list is enabled.
    std::vector<int> picked(kComboBindings.size(), -1);
    for (std::size_t i = 0; i < kComboBindings.size() && i < file.size(); ++i) {
        const ComboBinding& binding = kComboBindings[i];
        const int entries = static_cast<int>(binding.table->entries.size());
        if ((file[i] & 1) != 0 && d.view.control(binding.control).enabled) {
            picked[i] = (file[i] / 2) % entries;
            d.view.Choose(binding.control, picked[i]);
        }
    }
    d.view.Click(IDOK);

    const Bytes after = testing::ReadConfigBytes();
    const bool saved = !d.view.messages.empty() && d.view.messages.back().caption == u"Success";
    if (!saved) {
        Check(after == file, "a refused save writes nothing");
        return 0;
    }
    Check(after.size() >= SettingsRecord::kSize, "the file holds a whole record");
    Check(after.size() == before.size(), "a longer file keeps its length");
    Check(std::equal(before.begin() + 76, before.begin() + 100, after.begin() + 76),
          "firmware version and reserved bytes 96 to 99 are unchanged");
    Check(std::equal(before.begin() + 112, before.end(), after.begin() + 112),
          "bytes 112 and beyond are unchanged");
    for (std::size_t i = 0; i < kComboBindings.size(); ++i) {
        const ComboBinding& binding = kComboBindings[i];
        const std::size_t offset = binding.field.offset;
        const int value = picked[i] >= 0 ? picked[i] + binding.table->first_value : before[offset];
        // A pick of a list that a later pick disabled still counts: it was the user's.
        Check(after[offset] == value, "a selectable byte is the file's or the picked entry's");
    }
    return 0;
}
