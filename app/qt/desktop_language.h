// The window in the desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), from our
// catalogs and Qt's own, which word the standard buttons.
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace vesko {

class DesktopLanguage {
public:
    // Makes our catalog for the desktop's language the texts' lookup, from where the program
    // is installed or built; English where there is none for the language.
    DesktopLanguage();
    // `locale`'s language, from the catalogs in `folder`.
    DesktopLanguage(const QLocale& locale, const QString& folder);
    ~DesktopLanguage();
    DesktopLanguage(const DesktopLanguage&) = delete;
    DesktopLanguage& operator=(const DesktopLanguage&) = delete;

    // Once the application is there: Qt's own texts in the same language.
    void InstallQtTexts();

private:
    QTranslator ours_;
    QTranslator qt_;
};

}  // namespace vesko
