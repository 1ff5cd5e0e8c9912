#include "app/qt/desktop_language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "settings/text_conversion.h"
#include "settings/translation.h"

namespace vesko {

namespace {

// Installed, the catalogs are in share/vesko/translations beside bin; in the build folder,
// in translations beside the program.
QString CatalogFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path folder = program.parent_path();
    for (const std::filesystem::path& place :
         {folder.parent_path() / "share" / "vesko" / "translations", folder / "translations"}) {
        std::error_code missing;  // a place not there is no error: the next one may be
        if (!error && std::filesystem::is_directory(place, missing)) {
            return QString::fromStdString(place.string());
        }
    }
    return {};
}

}  // namespace

DesktopLanguage::DesktopLanguage() : DesktopLanguage(QLocale::system(), CatalogFolder()) {}

// Qt's own texts only beside ours, in the same language: a language we have no catalog for
// stays wholly English.
DesktopLanguage::DesktopLanguage(const QLocale& locale, const QString& folder) {
    if (folder.isEmpty() ||
        !ours_.load(locale, QStringLiteral("vesko"), QStringLiteral("_"), folder)) {
        return;
    }
    UseCatalog([this](std::u16string_view english) -> std::optional<std::u16string> {
        // lrelease keeps a gettext context as the text's disambiguation.
        const std::size_t split = english.find(u'\x04');
        const std::string context =
            split == std::u16string_view::npos ? std::string() : ToUtf8(english.substr(0, split));
        const std::string text_key =
            ToUtf8(split == std::u16string_view::npos ? english : english.substr(split + 1));
        const QString text =
            ours_.translate("", text_key.c_str(), context.empty() ? nullptr : context.c_str());
        if (text.isEmpty()) {
            return std::nullopt;
        }
        return text.toStdU16String();
    });
    // The language our catalog is in, which may be the desktop's second choice ("nl:de"),
    // from its name (vesko_pt_BR.qm): "qtbase_pt_BR", else "qtbase_pt".
    const QString language = QFileInfo(ours_.filePath()).completeBaseName().mid(6);
    (void)qt_.load(QStringLiteral("qtbase_") + language,
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

DesktopLanguage::~DesktopLanguage() {
    UseCatalog({});
}

void DesktopLanguage::InstallQtTexts() {
    if (!qt_.isEmpty()) {
        QCoreApplication::installTranslator(&qt_);
    }
}

}  // namespace vesko
