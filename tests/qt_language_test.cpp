// The Linux window in German from the catalogs, and in English where the desktop asks for
// no language we have.
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
#include <vector>

#include "app/qt/about_dlg.h"
#include "app/qt/app_icon.h"
#include "app/qt/desktop_language.h"
#include "app/qt/qt_dialog_view.h"
#include "dialog/control_ids.h"
#include "dialog/messages.h"
#include "dialog/vesko_dlg.h"
#include "fake_dialog_view.h"
#include "qt_test_app.h"
#include "settings/text_conversion.h"
#include "temp_folder.h"

namespace vesko {
namespace {

struct Shown {
    std::string title;
    std::string label;  // the first setting's
    std::string box_text;
    std::vector<std::string> box_buttons;
};

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        joined += "[" + text + "]";
        std::erase(joined, '&');  // whether a button has a mnemonic is the platform's choice
    }
    return joined;
}

// Opens the window, asks to format the card and answers the real message box with Cancel.
Shown OpenAndAskToFormat() {
    testing::FixedClock clock{{2026, 12, 8, 9, 0, 0}};
    QtDialogView view{kSettingsDialog, AppIcon()};
    CveskoDlg dialog{view, clock};
    view.Attach(dialog);
    view.Initialize();
    Shown shown{view.windowTitle().toStdString(),
                view.findChildren<QLabel*>().front()->text().toStdString(),
                {},
                {}};
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown.box_text = box->text().toStdString();
        for (const QAbstractButton* button : box->buttons()) {
            shown.box_buttons.push_back(button->text().toStdString());
        }
        box->reject();
    });
    qobject_cast<QPushButton*>(view.Control(IDC_FORMAT_SD))->click();
    return shown;
}

TEST(QtLanguageTest, GermanFromItsCatalogsEnglishWithoutOne) {
    const testing::WithApplication app;
    const testing::TempFolder folder;
    {
        DesktopLanguage german(QLocale(QLocale::German, QLocale::Germany), VESKO_CATALOGS);
        german.InstallQtTexts();
        const Shown shown = OpenAndAskToFormat();
        EXPECT_EQ(shown.title, "Quorla-Einstellungen");
        EXPECT_EQ(shown.label, "Videoauflösung ");
        EXPECT_TRUE(shown.box_text.starts_with("Warnung:")) << shown.box_text;
        EXPECT_EQ(Joined(shown.box_buttons), "[OK][Abbrechen]");
    }
    const DesktopLanguage none(QLocale(QLocale::Dutch), VESKO_CATALOGS);
    const Shown shown = OpenAndAskToFormat();
    EXPECT_EQ(shown.title, "Quorla Configuration");
    EXPECT_EQ(shown.label, "Video Resolution ");
    EXPECT_EQ(shown.box_text, ToUtf8(messages::kFormatWarning));
    EXPECT_EQ(Joined(shown.box_buttons), "[OK][Cancel]");
}

// Pixels `widget` lacks to show its caption, or each entry of its list, whole.
int Lacking(QWidget& widget, const QString& text) {
    const int needed = widget.fontMetrics().horizontalAdvance(text);
    QStyle& style = *widget.style();
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        return needed - (label->contentsRect().width() - std::max(label->indent(), 0));
    }
    if (auto* button = qobject_cast<QPushButton*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        return needed -
               style.subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    }
    QStyleOptionComboBox option;
    option.initFrom(&widget);
    return needed -
           style.subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &widget)
               .width();
}

std::string CutCaptions(QWidget& window) {
    std::string cut;
    const auto check = [&cut](QWidget& widget, const QString& text) {
        if (const int lacking = Lacking(widget, text); lacking > 0) {
            cut += " \"" + text.toStdString() + "\" (" + std::to_string(lacking) + " px)";
        }
    };
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            check(*label, label->text());
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            check(*button, button->text());
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < list->count(); ++i) {
                check(*list, list->itemText(i));
            }
        }
    }
    return cut;
}

// Run at 100 % and, with QT_SCALE_FACTOR=2, at 200 % (qt_captions_200).
TEST(QtLanguageTest, EveryCaptionIsWholeInEveryLanguage) {
    const testing::WithApplication app;
    const QStringList catalogs =
        QDir(VESKO_CATALOGS).entryList({QStringLiteral("vesko_*.qm")}, QDir::Files);
    EXPECT_GE(catalogs.size(), 10);
    for (const QString& catalog : catalogs) {
        const QString code = catalog.mid(6).chopped(3);
        const DesktopLanguage language(QLocale(code), VESKO_CATALOGS);
        QtDialogView view{kSettingsDialog, AppIcon()};
        CAboutDlg about{AppIcon(), &view};
        EXPECT_EQ(CutCaptions(view) + CutCaptions(about), "") << code.toStdString();
    }
}

}  // namespace
}  // namespace vesko
