// On Linux, Qt names a list after its selected entry and leaves its label to a buddy
// relation, which one label serving two lists cannot give: a screen reader that reads the
// name hears "OFF". Lists given an accessible name are announced by it here instead, their
// entry being their value.
#pragma once

namespace vesko {

// Once per process, before the first list is asked for its accessible interface.
void AnnounceListsByTheirNames();

}  // namespace vesko
