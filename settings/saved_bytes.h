// Which bytes of a record a save puts into config.bin. Every other byte is written back as
// the file holds it at the moment of the save, so that a save never brings back what it
// did not set: the recorder's own bytes, or what another program changed meanwhile.
#pragma once

#include <bitset>

#include "settings/settings_record.h"

namespace vesko {

class SavedBytes {
public:
    void Add(Field field);
    void Remove(Field field);
    // `now` with these bytes taken from `values`.
    SettingsRecord Over(const SettingsRecord& now, const SettingsRecord& values) const;

private:
    std::bitset<SettingsRecord::kSize> bytes_;
};

}  // namespace vesko
