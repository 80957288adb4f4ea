// The real windows, headless, wired to the core as the program wires them, with scripted message boxes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <stdexcept>

#include "checker/checker.h"
#include "desktop_fixture.h"
#include "platform/file_system.h"
#include "storage/watch_editor.h"
#include "ui/alert_form.h"
#include "ui/config_form.h"
#include "ui/main_form.h"
#include "ui/pictures.h"
#include "ui/progress_forms.h"

namespace vostrelund {
namespace {

using test::ReadAll;
using test::WriteAll;

TEST_F(Desktop, TheTableShowsTheRowsInNameOrderWithTheirColumns) {
  Watch({SiteFile("zeta.html", std::string(2048, 'z')), SiteFile("alpha.html", "a")});
  const QAbstractItemModel* model = Config.FilesView->model();
  ASSERT_EQ(model->rowCount(), 2);
  EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "Filename");
  EXPECT_EQ(model->headerData(3, Qt::Horizontal).toString(), "Action history");
  EXPECT_EQ(model->index(0, 0).data().toString(), "alpha.html");
  EXPECT_EQ(model->index(1, 1).data().toString(), QString::fromStdString(Root / "site/"));
  EXPECT_EQ(model->index(1, 2).data().toString(), "3 KB");
  EXPECT_EQ(model->index(1, 3).data().toString(), "Not checked");
  EXPECT_EQ(Config.FilesView->horizontalHeader()->sectionSize(1), 200);
  EXPECT_EQ(Config.StatusText(kFileCountPanel), " 2 file(s)");
  // a file that is gone shows no icon; it comes back when the file does
  std::filesystem::remove(Root / "site/alpha.html");
  Config.RefreshFileIcons();
  EXPECT_TRUE(model->index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
  SiteFile("alpha.html", "a");
  Config.RefreshFileIcons();
  EXPECT_FALSE(model->index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
}

TEST_F(Desktop, APassWithAlertsWritesTheStatusPanelsAndTheCheckWindow) {
  const std::string a = SiteFile("a.html", "a"), b = SiteFile("b.html", "b"), c = SiteFile("c.html", "c");
  Watch({a, b, c});
  std::vector<int> positions;
  QObject::connect(CheckForm.Progress, &QProgressBar::valueChanged, [&](int v) { positions.push_back(v); });
  QString activityDuringPass;
  Dialogs.WhileOpen = [&] { activityDuringPass = Config.StatusText(kActivityPanel); };
  std::filesystem::remove(Data.BackupPath(b));  // the interactive check says so in a message box
  Config.findChild<QToolButton*>("SpeedButton5")->click();
  EXPECT_EQ(positions, (std::vector<int>{0, 33, 66, 100}));
  EXPECT_EQ(activityDuringPass, " Checking in progress...");
  EXPECT_EQ(Config.StatusText(kActivityPanel), "");
  EXPECT_EQ(Config.StatusText(kStatusPanel), " Status: [NO BACKUP!]");
  EXPECT_FALSE(CheckForm.isVisible());
  EXPECT_TRUE(Alert.isVisible());
  EXPECT_FALSE(Config.isEnabled());
  EXPECT_EQ(Alert.AlertView->topLevelItemCount(), 1);
  EXPECT_EQ(Alert.AlertView->topLevelItem(0)->text(1), "NO BACKUP FOUND!");
  Alert.findChild<QPushButton*>("IgnoreButton")->click();
  EXPECT_FALSE(Alert.isVisible());
  EXPECT_TRUE(Config.isEnabled());
  EXPECT_TRUE(Main.MainTimer->isActive());
}

TEST_F(Desktop, TheCountdownShowsTheSecondsLeftAndFixesAtZero) {
  const std::string page = SiteFile("index.html", "<h1>Welcome</h1>");
  Watch({page});
  Data.CurrentSettings().CheckDates = false;
  Data.CurrentSettings().CheckData = true;
  WriteAll(page, "<h1>pwned</h1>");
  Guard.MainTimerTimer();
  ASSERT_TRUE(Alert.isVisible());
  EXPECT_EQ(Caption("FixButton"), "Fix (auto fix in 20 sec)");
  EXPECT_EQ(Caption("IgnoreButton"), "Ignore this check");
  EXPECT_EQ(Caption("PauseButton"), "Ignore && pause");
  EXPECT_TRUE(Alert.Timer->isActive());
  EXPECT_EQ(Alert.Timer->interval(), 100);

  // The dialog's own timer, sped up: every caption it shows, tick by tick.
  std::vector<QString> captions;
  QObject::connect(Alert.Timer, &QTimer::timeout, [&] { captions.push_back(Caption("FixButton")); });
  Alert.Timer->setInterval(1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !Alert.isVisible(); }, 10000));
  ASSERT_EQ(captions.size(), 200u);
  EXPECT_EQ(captions[0], "Fix (auto fix in 20 sec)");   // tick 1
  EXPECT_EQ(captions[9], "Fix (auto fix in 20 sec)");   // tick 10
  EXPECT_EQ(captions[10], "Fix (auto fix in 19 sec)");  // tick 11
  EXPECT_EQ(captions[189], "Fix (auto fix in 2 sec)");  // tick 190
  EXPECT_EQ(captions[190], "Fix (auto fix in 1 sec)");  // tick 191
  EXPECT_EQ(captions[198], "Fix (auto fix in 1 sec)");  // tick 199
  EXPECT_EQ(captions[199], "Fixing...");                // tick 200: the automatic fix
  EXPECT_EQ(ReadAll(page), "<h1>Welcome</h1>");
  EXPECT_EQ(Config.StatusText(kStatusPanel), " Status: [FIXED]");
  EXPECT_TRUE(Config.isEnabled());
  EXPECT_FALSE(Alert.Timer->isActive());
}

TEST_F(Desktop, ThePauseButtonFollowsThePausingRule) {
  Watch({SiteFile("a.html", "a")});
  std::filesystem::remove(Root / "site/a.html");
  struct Case {
    bool PausingEnabled;
    uint32_t Interval;
    bool Enabled;
  };
  for (const Case c : {Case{false, 10, false}, Case{false, 9, true}, Case{true, 60, true}}) {
    Data.CurrentSettings().PausingEnabled = c.PausingEnabled;
    Data.CurrentSettings().CheckInterval = c.Interval;
    Guard.RunCheckPass(true, false, false, false);
    ASSERT_TRUE(Alert.isVisible());
    EXPECT_EQ(Alert.PauseButton->isEnabled(), c.Enabled) << c.Interval;
    Alert.close();  // the title bar's close box releases the timer and the window
    EXPECT_TRUE(Main.MainTimer->isActive());
    EXPECT_TRUE(Config.isEnabled());
  }
}

TEST_F(Desktop, TheTitleShowsThePauseAlsoAfterTheWindowWasShownAgain) {
  Config.show();
  Config.Pause1->trigger();
  EXPECT_TRUE(Guard.Paused);
  EXPECT_EQ(Config.windowTitle(), "Tessaryne Vostrelund ver 1.0 - Configuration - [PAUSED]");
  EXPECT_TRUE(Main.Pause1->isChecked());
  const auto trayShows = [this](int image) {
    return Main.TrayIcon->icon().pixmap(16).toImage() == TrayImage(image).pixmap(16).toImage();
  };
  EXPECT_TRUE(trayShows(1));
  Config.close();  // hidden, not ended
  EXPECT_FALSE(Config.isVisible());
  Config.show();
  EXPECT_EQ(Config.windowTitle(), "Tessaryne Vostrelund ver 1.0 - Configuration - [PAUSED]");
  Main.Pause1->trigger();
  EXPECT_FALSE(Guard.Paused);
  EXPECT_EQ(Config.windowTitle(), "Tessaryne Vostrelund ver 1.0 - Configuration");
  EXPECT_FALSE(Config.Pause1->isChecked());
  EXPECT_TRUE(trayShows(0));
}

TEST_F(Desktop, TrayClicksToggleTheWindowButNotWhileTheAlertIsUp) {
  ASSERT_FALSE(Config.isVisible());
  Main.TrayIconMouseDown(Qt::LeftButton, QPoint(10, 10));
  EXPECT_TRUE(Config.isVisible());
  Main.TrayIconMouseDown(Qt::LeftButton, QPoint(10, 10));
  EXPECT_FALSE(Config.isVisible());
  Main.TrayIconMouseDown(Qt::MiddleButton, QPoint(10, 10));
  EXPECT_FALSE(Config.isVisible());
  Main.TrayIconMouseDown(Qt::RightButton, QPoint(10, 10));
  EXPECT_TRUE(Main.TrayPopup->isVisible());
  Main.TrayPopup->hide();

  Watch({SiteFile("a.html", "a")});
  std::filesystem::remove(Root / "site/a.html");
  Guard.RunCheckPass(true, false, false, false);
  ASSERT_TRUE(Alert.isVisible());
  Main.TrayIconMouseDown(Qt::LeftButton, QPoint(10, 10));
  Main.TrayIconMouseDown(Qt::RightButton, QPoint(10, 10));
  EXPECT_FALSE(Config.isVisible());
  EXPECT_FALSE(Main.TrayPopup->isVisible());
}

TEST_F(Desktop, TheTrayCheckRunsTheSameCheckAsTheConfigurationWindow) {
  const std::string page = SiteFile("a.html", "a");
  Watch({page});
  std::filesystem::remove(Data.BackupPath(page));
  Main.Checknow1->trigger();
  EXPECT_EQ(Data.Files().ActionHistory(0), "NO BACKUP FOUND!");
  EXPECT_EQ(Dialogs.Errors.size(), 1u);  // the interactive check's message box
}

TEST_F(Desktop, InsertAndDeleteInTheListAddAndRemoveWhateverModifiersAreHeld) {
  const std::string a = SiteFile("a.html", "a");
  const std::string b = SiteFile("b.html", "b");
  Dialogs.FileChoices.push_back({a, b});
  QTest::keyClick(Config.FilesView, Qt::Key_Insert, Qt::ControlModifier);
  ASSERT_EQ(Data.Files().Size(), 2u);
  Config.FilesView->selectRow(0);
  Dialogs.Answers = {true};
  QTest::keyClick(Config.FilesView, Qt::Key_Delete, Qt::ShiftModifier);
  ASSERT_EQ(Data.Files().Size(), 1u);
  EXPECT_EQ(Data.Files().LeafName(0), "b.html");
  EXPECT_EQ(Config.FilesView->model()->rowCount(), 1);
}

TEST_F(Desktop, RowsThatBackupNowDropsLeaveTheTable) {
  const std::string a = SiteFile("a.html", "a"), b = SiteFile("b.html", "b"), c = SiteFile("c.html", "c");
  Watch({a, b, c});
  std::filesystem::remove(a);
  std::filesystem::remove(b);
  Dialogs.Answers = {true, true};
  const QAbstractItemModel* model = Config.FilesView->model();
  int resets = 0;  // the view must be told that rows went, not only find fewer when it asks
  QObject::connect(model, &QAbstractItemModel::modelReset, [&] { ++resets; });
  Config.findChild<QToolButton*>("SpeedButton3")->click();
  EXPECT_GE(resets, 1);
  ASSERT_EQ(model->rowCount(), 1);
  EXPECT_EQ(model->index(0, 0).data().toString(), "c.html");
  EXPECT_EQ(model->index(0, 3).data().toString(), "Backup (OK)");
  EXPECT_EQ(Config.StatusText(kFileCountPanel), " 1 file(s)");
}

TEST_F(Desktop, TheToolBarAndMenusCarryTheirCaptions) {
  std::vector<QString> captions;
  for (const QToolButton* button : Config.ToolButtons)
    captions.push_back(button->text());
  EXPECT_EQ(captions, (std::vector<QString>{"Add folder", "Add file(s)", "Remove", "Backup now",
                                            "Timer setup", "Check / fix", "Stop (exit)"}));
  EXPECT_EQ(Config.ToolButtons[6]->x(), 500);
  std::vector<QString> tray;
  for (const QAction* action : Main.TrayPopup->actions())
    tray.push_back(action->text());
  EXPECT_EQ(tray, (std::vector<QString>{"&Configure...", "Check / &fix", "&Backup now", "", "&Pause",
                                        "&Stop (exit)"}));
  EXPECT_EQ(Main.TrayPopup->defaultAction(), Main.Restore1);
  EXPECT_EQ(Config.ListPopup->defaultAction()->text(), "&Check / fix now");
  EXPECT_FALSE(Config.Viewlog1->isEnabled());
  Data.CurrentSettings().UseLog = true;
  Data.SaveSettings();
  Data.LoadSettings();
  EXPECT_TRUE(Config.Viewlog1->isEnabled());
}

TEST_F(Desktop, WithoutANotificationAreaTheCloseBoxMinimisesTheWindow) {
  Config.SetTrayAvailable(false);
  Config.show();
  Config.close();
  EXPECT_TRUE(Config.isVisible());
  EXPECT_TRUE(Config.isMinimized());
}

// An object whose event handler throws, as a failing handler would.
class Throwing : public QObject {
 protected:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User)
      throw std::runtime_error("handler failed");
    return QObject::event(e);
  }
};

TEST(Application, AnExceptionFromAnEventHandlerIsShownAndTheLoopGoesOn) {
  QString title, text;
  QTimer dismiss;  // answers the message box once it is up
  QObject::connect(&dismiss, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      title = box->windowTitle();
      text = box->text();
      box->accept();
    }
  });
  dismiss.start(10);
  Throwing target;
  QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
  bool later = false;
  QTimer::singleShot(50, [&] { later = true; });
  EXPECT_TRUE(QTest::qWaitFor([&] { return later && !text.isEmpty(); }, 5000));
  EXPECT_EQ(title, "Tessaryne Vostrelund");
  EXPECT_EQ(text, "handler failed");
}

}  // namespace
}  // namespace vostrelund
