#include "app/qt/launch_qt.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QString>

#include <array>
#include <cstdlib>
#include <iostream>

#include "app/launch/chooser_start_folder.h"

namespace vesko {

namespace {

QString FromPath(const std::filesystem::path& path) {
    return QFile::decodeName(path.c_str());
}

}  // namespace

int PrintLaunchMessage(const LaunchRequest& request) {
    if (request.action == LaunchRequest::Action::kError) {
        std::cerr << request.message << '\n';
        return kUsageExitStatus;
    }
    std::cout << request.message << '\n';
    return EXIT_SUCCESS;
}

std::optional<std::filesystem::path> ChooseCardFolder() {
    // Where desktops mount SD cards for the user.
    static const std::array<std::filesystem::path, 2> kMediaRoots = {"/run/media", "/media"};
    const char* user = std::getenv("USER");
    const std::filesystem::path start =
        ChooserStartFolder(QFile::encodeName(QDir::homePath()).toStdString(),
                           user != nullptr ? user : "", kMediaRoots);
    const QString chosen =
        QFileDialog::getExistingDirectory(nullptr, QStringLiteral("Choose the recorder's SD card"),
                                          FromPath(start), QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(QFile::encodeName(chosen).toStdString());
}

}  // namespace vesko
