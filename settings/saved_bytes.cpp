#include "settings/saved_bytes.h"

namespace vesko {

void SavedBytes::Add(Field field) {
    for (std::size_t offset = field.offset; offset < field.offset + field.size; ++offset) {
        bytes_.set(offset);
    }
}

void SavedBytes::Remove(Field field) {
    for (std::size_t offset = field.offset; offset < field.offset + field.size; ++offset) {
        bytes_.reset(offset);
    }
}

SettingsRecord SavedBytes::Over(const SettingsRecord& now, const SettingsRecord& values) const {
    SettingsRecord merged = now;
    for (std::size_t offset = 0; offset < SettingsRecord::kSize; ++offset) {
        if (bytes_.test(offset)) {
            merged.bytes()[offset] = values.bytes()[offset];
        }
    }
    return merged;
}

}  // namespace vesko
