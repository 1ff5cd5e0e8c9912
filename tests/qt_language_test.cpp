// The Linux window in German from the catalogs, in English where the desktop asks for no
// language we have, and every caption whole in every language.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTimer>

#include <algorithm>
#include <string>

#include "app/qt/about_dlg.h"
#include "app/qt/app_icon.h"
#include "app/qt/desktop_language.h"
#include "app/qt/qt_dialog_view.h"
#include "dialog/control_ids.h"
#include "dialog/vesko_dlg.h"
#include "fake_dialog_view.h"
#include "qt_test_app.h"
#include "temp_folder.h"

namespace vesko {
namespace {

// The title, the first setting's label, then the format question's start and its buttons as
// the real message box shows them, answered with Cancel.
QStringList Texts() {
    const testing::TempFolder folder;
    const testing::FixedClock clock{testing::OpenedDialog::kNow};
    QtDialogView view{kSettingsDialog, AppIcon()};
    CveskoDlg dialog{view, clock};
    view.Attach(dialog);
    view.Initialize();
    QStringList texts{view.windowTitle(), view.findChildren<QLabel*>().front()->text()};
    QTimer::singleShot(0, [&texts] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        texts << box->text().left(8);
        for (const QAbstractButton* button : box->buttons()) {
            texts << button->text().remove(u'&');  // a mnemonic is the platform's choice
        }
        box->reject();
    });
    qobject_cast<QPushButton*>(view.Control(IDC_FORMAT_SD))->click();
    return texts;
}

TEST(QtLanguageTest, GermanFromItsCatalogsEnglishWithoutOne) {
    const testing::WithApplication app;
    {
        DesktopLanguage german(QLocale(QLocale::German, QLocale::Germany), VESKO_CATALOGS);
        german.InstallQtTexts();
        EXPECT_EQ(Texts().join(u'|').toStdString(),
                  "Quorla-Einstellungen|Videoauflösung |Warnung:|OK|Abbrechen");
    }
    const DesktopLanguage dutch(QLocale(QLocale::Dutch), VESKO_CATALOGS);
    EXPECT_EQ(Texts().join(u'|').toStdString(),
              "Quorla Configuration|Video Resolution |Warning:|OK|Cancel");
}

// The pixels `widget` lacks to show `text` whole.
int Lacking(QWidget& widget, const QString& text) {
    QStyle& style = *widget.style();
    int room = 0;
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        room = label->contentsRect().width() - std::max(label->indent(), 0);
    } else if (auto* button = qobject_cast<QPushButton*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        room = style.subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    } else {
        QStyleOptionComboBox option;
        option.initFrom(&widget);
        room =
            style
                .subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &widget)
                .width();
    }
    return widget.fontMetrics().horizontalAdvance(text) - room;
}

std::string CutCaptions(const QWidget& window) {
    std::string cut;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        QStringList texts;
        if (const auto* label = qobject_cast<QLabel*>(widget)) {
            texts << label->text();
        } else if (const auto* button = qobject_cast<QPushButton*>(widget)) {
            texts << button->text();
        } else if (const auto* list = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < list->count(); ++i) {
                texts << list->itemText(i);
            }
        }
        for (const QString& text : texts) {
            if (const int lacking = Lacking(*widget, text); lacking > 0) {
                cut += " \"" + text.toStdString() + "\" (" + std::to_string(lacking) + " px)";
            }
        }
    }
    return cut;
}

// Run at 100 % and, with QT_SCALE_FACTOR=2, at 200 % (qt_captions_200).
TEST(QtLanguageTest, EveryCaptionIsWholeInEveryLanguage) {
    const testing::WithApplication app;
    const QStringList catalogs = QDir(VESKO_CATALOGS).entryList({QStringLiteral("vesko_*.qm")});
    EXPECT_GE(catalogs.size(), 10);
    for (const QString& catalog : catalogs) {
        const QString code = catalog.mid(6).chopped(3);
        const DesktopLanguage language(QLocale(code), VESKO_CATALOGS);
        QtDialogView view{kSettingsDialog, AppIcon()};
        const CAboutDlg about{AppIcon(), &view};
        EXPECT_EQ(CutCaptions(view) + CutCaptions(about), "") << code.toStdString();
    }
}

}  // namespace
}  // namespace vesko
