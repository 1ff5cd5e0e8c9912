// The whole Linux window on real widgets: logic, view and user input together.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <deque>
#include <vector>

#include "app/qt/app_icon.h"
#include "app/qt/qt_dialog_view.h"
#include "app/qt/window_fit.h"
#include "dialog/control_ids.h"
#include "dialog/vesko_dlg.h"
#include "fake_dialog_view.h"
#include "qt_test_app.h"
#include "settings/defaults.h"
#include "temp_folder.h"

namespace vesko {
namespace {

class QtSettingsWindowTest : public ::testing::Test {
protected:
    void Open() {
        view.SetMessagePresenter([this](const MessageRequest& request) {
            shown.push_back(request);
            if (answers.empty()) {
                return MessageResult::kOk;
            }
            const MessageResult answer = answers.front();
            answers.pop_front();
            return answer;
        });
        view.Attach(dialog);
        view.Initialize();
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    template <typename Widget>
    Widget* Get(int id) {
        auto* widget = qobject_cast<Widget*>(view.Control(id));
        EXPECT_NE(widget, nullptr) << id;
        return widget;
    }

    testing::TempFolder folder;
    testing::WithApplication app;
    testing::FixedClock clock{{2026, 12, 7, 9, 5, 3}};
    QtDialogView view{kSettingsDialog, AppIcon()};
    CveskoDlg dialog{view, clock};
    std::vector<MessageRequest> shown;
    std::deque<MessageResult> answers;  // Yes or OK once they run out
};

TEST_F(QtSettingsWindowTest, UserSelectionReachesTheRecord) {
    Open();
    auto* zone = Get<QComboBox>(IDC_TIME_ZONE);
    EXPECT_EQ(zone->currentText(), QStringLiteral("GMT -5:00 EST"));
    zone->setFocus();
    QTest::keyClick(zone, Qt::Key_Down);
    EXPECT_EQ(zone->currentText(), QStringLiteral("GMT -4:00"));
    EXPECT_EQ(dialog.record().Byte(fields::kTimeZone), 8);

    auto* event = Get<QComboBox>(IDC_SPEED_LIMIT_EVENT);
    EXPECT_FALSE(view.Control(IDC_SPEED_LIMIT)->isEnabled());
    event->setFocus();
    QTest::keyClick(event, Qt::Key_Down);
    EXPECT_TRUE(view.Control(IDC_SPEED_LIMIT)->isEnabled());
    EXPECT_TRUE(view.Control(IDC_SPEED_LIMIT_UNIT)->isEnabled());
}

TEST_F(QtSettingsWindowTest, ProgramChangesOfASelectionAreNotUserChanges) {
    Open();
    view.SetSelection(IDC_VIDEO_RESOLUTION, 0);
    EXPECT_EQ(dialog.record().Byte(fields::kVideoResolution), 2);
}

TEST_F(QtSettingsWindowTest, TypedLetterInTheSpeedFieldIsRemoved) {
    Open();
    auto* event = Get<QComboBox>(IDC_SPEED_LIMIT_EVENT);
    event->setFocus();
    QTest::keyClick(event, Qt::Key_Down);
    auto* speed = Get<QLineEdit>(IDC_SPEED_LIMIT);
    speed->setFocus();
    speed->end(false);
    QTest::keyClick(speed, Qt::Key_Backspace);
    QTest::keyClicks(speed, QStringLiteral("5k"));
    EXPECT_EQ(speed->text(), QStringLiteral("65"));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"Please enter 0-9.");
    EXPECT_EQ(shown[0].caption, u"Error");
    EXPECT_EQ(shown[0].icon, MessageIcon::kError);
    EXPECT_EQ(speed->cursorPosition(), 2);
    EXPECT_TRUE(speed->hasFocus());

    QTest::keyClicks(speed, QStringLiteral("99"));
    EXPECT_EQ(speed->text(), QStringLiteral("659")) << "the limit stops the fourth digit";
}

TEST_F(QtSettingsWindowTest, OpensOnOkEvenWhenALoadedTextWasCorrected) {
    SettingsRecord record = FactoryDefaults();
    record.bytes()[fields::kWifiSsid.offset + 5] = 0x07;  // "QEM-T" and a bell character
    testing::WriteConfigBytes({record.bytes().begin(), record.bytes().end()});
    Open();
    EXPECT_EQ(Get<QLineEdit>(IDC_WIFI_SSID)->text(), QStringLiteral("QEM-T"));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), view.Control(IDOK));
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Quorla Configuration"));
    EXPECT_FALSE(view.windowIcon().isNull());
    EXPECT_EQ(view.windowIcon().availableSizes().value(0), QSize(128, 128));
}

TEST_F(QtSettingsWindowTest, EditAndSaveEndToEnd) {
    SettingsRecord record = FactoryDefaults();
    record.SetText(fields::kFirmwareVersion, u"QX100");
    record.bytes()[120] = 0x5A;
    testing::WriteConfigBytes({record.bytes().begin(), record.bytes().end()});
    Open();

    auto* audio = Get<QComboBox>(IDC_AUDIO);
    audio->setFocus();
    QTest::keyClick(audio, Qt::Key_Up);  // "OFF" to "ON"
    auto* vehicle = Get<QLineEdit>(IDC_VEHICLE_NUMBER);
    vehicle->setFocus();
    QTest::keyClicks(vehicle, QStringLiteral("AB_12"));
    QTest::keyClick(vehicle, Qt::Key_Return);  // Enter presses the default button, "OK (Save)"

    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, u"Success");
    EXPECT_EQ(view.result(), QDialog::Accepted);
    EXPECT_FALSE(view.isVisible());

    SettingsRecord expected = record;
    expected.SetByte(fields::kAudio, 0);
    expected.SetText(fields::kVehicleNumber, u"AB_12");
    EXPECT_EQ(testing::ReadConfigBytes(), testing::SavedAt(expected));
}

TEST_F(QtSettingsWindowTest, EnterBesideNoConfigBinAsksFirst) {
    Open();
    auto* vehicle = Get<QLineEdit>(IDC_VEHICLE_NUMBER);
    vehicle->setFocus();
    answers = {MessageResult::kCancel};
    QTest::keyClick(vehicle, Qt::Key_Return);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, u"New config.bin");
    EXPECT_EQ(shown[0].buttons, MessageButtons::kYesNo);
    EXPECT_TRUE(view.isVisible()) << "No leaves the window open";
    EXPECT_FALSE(std::filesystem::exists("config.bin"));
    QTest::keyClick(vehicle, Qt::Key_Return);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2].caption, u"Success");
    EXPECT_EQ(testing::ReadConfigBytes(), testing::SavedAt(FactoryDefaults()));
}

TEST_F(QtSettingsWindowTest, PasteKeepsTheFirstLine) {
    Open();
    auto* vehicle = Get<QLineEdit>(IDC_VEHICLE_NUMBER);
    vehicle->setFocus();
    QTest::keyClicks(vehicle, QStringLiteral("AZ"));
    vehicle->setCursorPosition(1);
    QApplication::clipboard()->setText(QStringLiteral("B_1\r\nsecond line\nthird"));
    QTest::keyClick(vehicle, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(vehicle->text(), QStringLiteral("AB_1Z"));
    EXPECT_EQ(vehicle->cursorPosition(), 4);
    QTest::mouseClick(Get<QPushButton>(IDOK), Qt::LeftButton);
    SettingsRecord expected = FactoryDefaults();
    expected.SetText(fields::kVehicleNumber, u"AB_1Z");
    EXPECT_EQ(testing::ReadConfigBytes(), testing::SavedAt(expected));
}

// Tab visits every enabled tab stop in template order and comes round to "OK (Save)";
// disabled ones (the speed limit and the manual DST dates here) are passed over.
TEST_F(QtSettingsWindowTest, TabWalksTheEnabledTabStopsInTemplateOrder) {
    Open();
    std::vector<QWidget*> expected;
    for (const ControlTemplate& control : kSettingsDialog.controls) {
        if ((control.styles & kTabStop) != 0 && view.Control(control.id)->isEnabled()) {
            expected.push_back(view.Control(control.id));
        }
    }
    EXPECT_FALSE(view.Control(IDC_SPEED_LIMIT)->isEnabled());
    std::vector<QWidget*> visited{QApplication::focusWidget()};
    do {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    } while (visited.back() != visited.front() && visited.size() <= expected.size());
    visited.pop_back();
    EXPECT_EQ(visited, expected);
}

TEST_F(QtSettingsWindowTest, OnASmallScreenTheControlsScrollIntoReach) {
    const QMargins frame(1, 30, 1, 1);
    EXPECT_EQ(FitWindow({400, 700}, {1024, 500}, frame, 16), QSize(416, 469));
    EXPECT_EQ(FitWindow({400, 700}, {1024, 800}, frame, 16), QSize(400, 700));
    EXPECT_EQ(FitWindow({400, 700}, {300, 500}, frame, 16), QSize(298, 469));

    view.FitInto({0, 0, 1024, 500});
    Open();
    EXPECT_LE(view.frameGeometry().height(), 500);
    EXPECT_TRUE(view.scroll_area().verticalScrollBar()->isVisible());
    auto* ok = Get<QPushButton>(IDOK);
    view.scroll_area().ensureWidgetVisible(ok);
    const QRect visible = view.scroll_area().viewport()->rect();
    EXPECT_TRUE(
        visible.contains(QRect(ok->mapTo(view.scroll_area().viewport(), QPoint()), ok->size())));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(view.result(), QDialog::Accepted);
    EXPECT_TRUE(std::filesystem::exists("config.bin"));

    view.FitInto({0, 0, 1024, 800});
    view.show();
    QCoreApplication::processEvents();
    EXPECT_FALSE(view.scroll_area().verticalScrollBar()->isVisible()) << "it fits";
}

TEST_F(QtSettingsWindowTest, EscapeEndsTheDialogWithoutWriting) {
    Open();
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(view.result(), QDialog::Rejected);
    EXPECT_FALSE(std::filesystem::exists("config.bin"));
}

// A failure nothing foresaw, in a slot: the "Error" box says it, the window ends, and the
// save it broke off writes nothing.
TEST_F(QtSettingsWindowTest, AnUnforeseenFailureEndsTheWindowInTheErrorBox) {
    Open();
    clock.Break("Uhr gestört — Zeit unbekannt");
    Get<QPushButton>(IDOK)->click();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"Uhr gestört — Zeit unbekannt");
    EXPECT_EQ(shown[0].caption, u"Error");
    EXPECT_EQ(shown[0].icon, MessageIcon::kError);
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(view.result(), QtDialogView::kFailed);
    EXPECT_FALSE(std::filesystem::exists("config.bin"));
}

TEST_F(QtSettingsWindowTest, VersionBoxEntryOnlyWithALabel) {
    Open();
    EXPECT_EQ(view.CreateContextMenu(), nullptr);

    view.SetAboutLabel(QStringLiteral("About vesko..."));
    const auto menu = view.CreateContextMenu();
    ASSERT_NE(menu, nullptr);
    const auto actions = menu->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_TRUE(actions[0]->isSeparator());
    EXPECT_EQ(actions[1]->text(), QStringLiteral("About vesko..."));

    QStringList seen;
    QTimer::singleShot(0, [&seen] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        seen << box->windowTitle();
        for (const QLabel* label : box->findChildren<QLabel*>()) {
            seen << label->text();
        }
        auto* ok = box->findChild<QPushButton*>(QStringLiteral("IDOK"));
        ASSERT_NE(ok, nullptr);
        seen << ok->text();
        ok->click();
    });
    actions[1]->trigger();
    EXPECT_EQ(seen,
              (QStringList{QStringLiteral("Version"), QString(), QStringLiteral("ver:20170421"),
                           QString(), QStringLiteral("确定")}));
}

}  // namespace
}  // namespace vesko
