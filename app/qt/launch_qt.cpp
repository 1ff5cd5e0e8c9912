#include "app/qt/launch_qt.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QString>

#include <array>
#include <cstdlib>
#include <iostream>
#include <system_error>

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

bool OpenCard(const std::filesystem::path& folder, bool in_box) {
    std::error_code error;
    std::filesystem::current_path(folder, error);
    if (!error) {
        return true;
    }
    const std::string message = CannotOpenFolderMessage(folder, error);
    std::cerr << message << '\n';
    if (in_box) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"),
                        QString::fromStdString(message), QMessageBox::Ok);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    return false;
}

}  // namespace vesko
