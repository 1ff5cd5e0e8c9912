// From a card as the command line names it to the folder that holds its config.bin.
#include <algorithm>
#include <string_view>
#include <system_error>

#include "app/cli/card.h"
#include "app/cli/cli_errors.h"
#include "app/cli/safe_text.h"
#include "settings/file_problems.h"
#include "settings/folder_path.h"
#include "settings/settings_file.h"
#include "settings/text_conversion.h"

namespace vesko::cli {

namespace {

// "card/config.bin/" names config.bin as well.
std::filesystem::path WithoutFinalSeparator(const std::filesystem::path& path) {
    return path.has_filename() ? path : path.parent_path();
}

}  // namespace

bool NamesSettingsFile(const std::filesystem::path& path) {
    // Compared as the system's own characters: a name need not convert to any other form.
    const std::filesystem::path name = WithoutFinalSeparator(path).filename();
    return IsSettingsFileName(
        std::basic_string_view<std::filesystem::path::value_type>(name.native()));
}

Card ResolveCard(const std::string& argument) {
    const std::filesystem::path path = PathFromUtf8(argument);
    const std::string name = Safe(argument);
    std::error_code error;
    if (NamesSettingsFile(path)) {
        const std::filesystem::file_status status = std::filesystem::status(path, error);
        if (!error && !std::filesystem::is_regular_file(status)) {
            throw BadInput(name + ": " + ToUtf8(ReasonFor(FileProblem::kNotAFile)));
        }
        // A config.bin not there yet is fine where its folder is: a write creates it.
        const std::filesystem::path parent = WithoutFinalSeparator(path).parent_path();
        const std::filesystem::path folder = parent.empty() ? "." : parent;
        if (std::filesystem::is_directory(folder, error)) {
            return {name, argument, folder};
        }
    } else if (std::filesystem::is_directory(path, error)) {
        return {name, argument, path};
    }
    if (std::filesystem::status(path, error).type() == std::filesystem::file_type::not_found) {
        throw BadInput("the card " + name + " does not exist");
    }
    throw BadInput(name + " is no card: a card is a folder holding " + kSettingsFileName +
                   ", or the path of its " + kSettingsFileName);
}

}  // namespace vesko::cli
