#include "settings/file_problems.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vesko {

namespace {

constexpr std::array<std::pair<FileProblem, std::u16string_view>, 8> kReasons = {{
    {FileProblem::kWriteProtected,
     u"The card is write-protected; slide the lock switch on its side to unlock it"},
    {FileProblem::kCardGone, u"The card is not there any more; insert it and try again"},
    {FileProblem::kCardFull, u"The card is full; make room on it and try again"},
    {FileProblem::kInUse, u"The file is in use by another program"},
    {FileProblem::kNotAFile, u"It is not a regular file"},
    {FileProblem::kReadOnly, u"The file is read-only"},
    // A worn card still in its slot: taking it out and back in would not help.
    {FileProblem::kIoError,
     u"The card reported an error reading or writing it; it may be worn out or damaged"},
    {FileProblem::kTooLarge, u"It is too large to be a recorder's settings file"},
}};

}  // namespace

std::u16string_view ReasonFor(FileProblem problem) {
    for (const auto& [kind, reason] : kReasons) {
        if (kind == problem) {
            return reason;
        }
    }
    return {};
}

std::vector<std::u16string_view> AllReasons() {
    std::vector<std::u16string_view> reasons(kReasons.size());
    std::transform(kReasons.begin(), kReasons.end(), reasons.begin(),
                   [](const auto& row) { return row.second; });
    return reasons;
}

}  // namespace vesko
