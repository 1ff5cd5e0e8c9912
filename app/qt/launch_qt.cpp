#include "app/qt/launch_qt.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QString>

#include <langinfo.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "app/launch/chooser_start_folder.h"
#include "app/launch/launch_texts.h"
#include "app/qt/template_widgets.h"
#include "settings/translation.h"

namespace vesko {

namespace {

QString FromPath(const std::filesystem::path& path) {
    return QFile::decodeName(path.c_str());
}

}  // namespace

LaunchRequest ReadCommandLine(std::span<const std::filesystem::path> arguments) {
    LaunchRequest request = ParseCommandLine(arguments);
    if (request.action != LaunchRequest::Action::kOpen &&
        std::string_view(::nl_langinfo(CODESET)) != "UTF-8") {
        UseCatalog({});
        request = ParseCommandLine(arguments);
    }
    return request;
}

// C stdio rather than iostreams: the window's start would otherwise pay for setting up
// the standard streams before main, for a message it rarely prints.
int PrintLaunchMessage(const LaunchRequest& request) {
    const bool error = request.action == LaunchRequest::Action::kError;
    std::FILE* stream = error ? stderr : stdout;
    std::fwrite(request.message.data(), 1, request.message.size(), stream);
    std::fputc('\n', stream);
    return error ? kUsageExitStatus : EXIT_SUCCESS;
}

std::optional<std::filesystem::path> ChooseCardFolder() {
    // Where desktops mount SD cards for the user.
    static const std::array<std::filesystem::path, 2> kMediaRoots = {"/run/media", "/media"};
    const char* user = std::getenv("USER");
    const std::filesystem::path start =
        ChooserStartFolder(QFile::encodeName(QDir::homePath()).toStdString(),
                           user != nullptr ? user : "", kMediaRoots);
    const QString chosen = QFileDialog::getExistingDirectory(
        nullptr, Translated(launch_texts::kChooseCard), FromPath(start), QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(QFile::encodeName(chosen).toStdString());
}

}  // namespace vesko
