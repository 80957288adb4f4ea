// The setup dialog, the log viewer, the about box and the splash screen, headless, over real files.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <QDesktopServices>
#include <QTest>
#include <QTimer>

#include <filesystem>

#include "checker/checker.h"
#include "desktop_fixture.h"
#include "platform/file_system.h"
#include "storage/autostart.h"
#include "storage/watch_editor.h"
#include "ui/alert_form.h"
#include "ui/config_form.h"
#include "ui/log_form.h"
#include "ui/main_form.h"
#include "ui/product_forms.h"
#include "ui/progress_forms.h"
#include "ui/setup_form.h"

namespace vostrelund {
namespace {

using test::ReadAll;
using test::WriteAll;

class Dialogs : public Desktop {
 protected:
  Dialogs()
      : Log(Data, Dialogs_()),
        Autostart(Root / "autostart"),
        Setup(Data, Guard, Log, Autostart, Dialogs_(), "/opt/guard/vostrelund") {
    Config.AttachDialogs(Setup, Log, About, Alert);
    Data.CurrentSettings().LogPath = Root / "guard/vostrelund.log";
  }
  ~Dialogs() override { Setup.hide(); }
  test::RecordingDialogs& Dialogs_() { return Desktop::Dialogs; }
  Settings& Options() { return Data.CurrentSettings(); }
  void ShowSetup() {
    Setup.show();
    ASSERT_TRUE(Setup.isVisible());
  }

  TAboutBox About;
  TLogForm Log;
  AutostartEntry Autostart;
  TSetupForm Setup;
  test::RecordingDialogs& Messages = Desktop::Dialogs;
};

TEST_F(Dialogs, TheIntervalBoxHoldsAWholeNumberFromOneToSixty) {
  ShowSetup();
  const std::pair<const char*, const char*> typed[] = {{"0", "1"},   {"75", "60"}, {"", "1"},   {"007", "7"},
                                                       {"abc", "1"}, {"-3", "1"},  {"30", "30"}};
  for (const auto& [text, shown] : typed) {
    Setup.TimerEdit->setText(text);
    EXPECT_EQ(Setup.TimerEdit->text(), shown) << text;
  }
  Setup.TimerEdit->setText("58");
  Setup.TimerUpDown->Click(+1);
  EXPECT_EQ(Setup.TimerEdit->text(), "60");
  Setup.TimerUpDown->Click(-1);
  EXPECT_EQ(Setup.TimerEdit->text(), "55");
  Setup.TimerEdit->setText("3");
  Setup.TimerUpDown->Click(-1);
  EXPECT_EQ(Setup.TimerEdit->text(), "1");
}

TEST_F(Dialogs, UnderTenSecondsPausingIsTickedAndGreyed) {
  Options().PausingEnabled = false;
  Options().CheckInterval = 5;
  ShowSetup();
  EXPECT_TRUE(Setup.PauseEnabledCheck->isChecked());
  EXPECT_FALSE(Setup.PauseEnabledCheck->isEnabled());
  EXPECT_TRUE(Setup.PauseCheck->isEnabled());
  Setup.TimerEdit->setText("30");
  EXPECT_TRUE(Setup.PauseEnabledCheck->isEnabled());
  EXPECT_TRUE(Setup.PauseEnabledCheck->isChecked());  // until the user unticks it
  Setup.PauseEnabledCheck->setChecked(false);
  EXPECT_FALSE(Setup.PauseCheck->isEnabled());
}

TEST_F(Dialogs, TheEnablingRulesFollowTheirBoxes) {
  Options().CheckDates = false;
  Options().CheckData = false;
  Options().UseLog = false;
  Options().UseSound = false;
  ShowSetup();
  EXPECT_FALSE(Setup.TimerEdit->isEnabled());
  EXPECT_FALSE(Setup.TimerUpDown->isEnabled());
  EXPECT_FALSE(Setup.LogEdit->isEnabled());
  EXPECT_FALSE(Setup.LogView->isEnabled());
  EXPECT_FALSE(Setup.LogBrowse->isEnabled());
  EXPECT_FALSE(Setup.SoundEdit->isEnabled());
  EXPECT_FALSE(Setup.PlayButton->isEnabled());
  EXPECT_FALSE(Setup.SoundBrowse->isEnabled());
  Setup.CsumCheck->setChecked(true);
  Setup.LogCheck->setChecked(true);
  Setup.SoundCheck->setChecked(true);
  EXPECT_TRUE(Setup.TimerEdit->isEnabled());
  EXPECT_TRUE(Setup.LogView->isEnabled());
  EXPECT_TRUE(Setup.PlayButton->isEnabled());
  EXPECT_EQ(Setup.PageControl1->currentIndex(), 0);
}

TEST_F(Dialogs, UntickingAutoFixAsksAndNoTicksItAgain) {
  ShowSetup();
  EXPECT_TRUE(Messages.Questions.empty());  // loading the box asks nothing
  Messages.Answers = {false, true};
  Setup.AutofixCheck->setChecked(false);
  EXPECT_TRUE(Setup.AutofixCheck->isChecked());
  Setup.AutofixCheck->setChecked(false);
  EXPECT_FALSE(Setup.AutofixCheck->isChecked());
  ASSERT_EQ(Messages.Questions.size(), 2u);
  EXPECT_EQ(Messages.Questions[0].Text,
            "Are you sure? Unchecking this will cause program to show alerts only!");
  EXPECT_EQ(Messages.Questions[0].Caption, "Auto fix files on mismath");
  EXPECT_EQ(Messages.QuestionDefaultsYes, (std::vector<bool>{false, false}));
  Setup.AutofixCheck->setChecked(true);  // ticking asks nothing
  EXPECT_EQ(Messages.Questions.size(), 2u);
  Messages.Answers = {true};
  Setup.AutofixCheck->setChecked(false);
  Setup.OKButtonClick();
  EXPECT_FALSE(Options().AutoFix);
}

TEST_F(Dialogs, OkStoresEveryFieldAppliesThePauseAndWritesTheAutostartEntry) {
  ShowSetup();
  EXPECT_FALSE(Main.MainTimer->isActive());  // stopped while the dialog is up
  Setup.TimerEdit->setText("45");
  Setup.ModCheck->setChecked(false);
  Setup.CsumCheck->setChecked(true);
  Setup.RunCheck->setChecked(true);
  Setup.ProgressCheck->setChecked(true);
  Setup.PauseEnabledCheck->setChecked(true);
  Setup.PauseCheck->setChecked(true);
  Setup.SoundCheck->setChecked(true);
  Setup.SoundEdit->setText("/usr/share/sounds/bell.wav");
  Setup.LogCheck->setChecked(true);
  Setup.LogEdit->setText(QString::fromStdString(Root / "site.log"));
  Setup.OKButtonClick();
  EXPECT_FALSE(Setup.isVisible());
  EXPECT_TRUE(Main.MainTimer->isActive());
  const Settings& s = Options();
  EXPECT_EQ(s.CheckInterval, 45u);
  EXPECT_FALSE(s.CheckDates);
  EXPECT_TRUE(s.CheckData);
  EXPECT_TRUE(s.RunAtStartup);
  EXPECT_TRUE(s.ShowProgress);
  EXPECT_TRUE(s.PausingEnabled);
  EXPECT_TRUE(s.UseSound);
  EXPECT_EQ(s.SoundPath, "/usr/share/sounds/bell.wav");
  EXPECT_TRUE(s.UseLog);
  EXPECT_EQ(s.LogPath, Root / "site.log");
  EXPECT_TRUE(Guard.Paused);
  EXPECT_EQ(Config.windowTitle(), "Tessaryne Vostrelund ver 1.0 - Configuration - [PAUSED]");
  EXPECT_NE(ReadAll(Autostart.Path()).find("Exec=\"/opt/guard/vostrelund\"\n"), std::string::npos);

  // unticked: the entry goes, and pausing that is not allowed is refused
  ShowSetup();
  EXPECT_TRUE(Setup.PauseCheck->isChecked());
  Setup.RunCheck->setChecked(false);
  Setup.PauseEnabledCheck->setChecked(false);
  Setup.OKButtonClick();
  EXPECT_FALSE(FileExists(Autostart.Path()));
  EXPECT_FALSE(Guard.Paused);
  ShowSetup();
  Setup.OKButtonClick();  // no entry to remove: nothing happens
  EXPECT_FALSE(FileExists(Autostart.Path()));
  EXPECT_TRUE(Messages.Errors.empty());
}

TEST_F(Dialogs, ARefusedAutostartEntryIsReportedAndTheDialogStaysOpen) {
  WriteAll(Root / "autostart", "a file where the folder should be");
  ShowSetup();
  Setup.RunCheck->setChecked(true);
  Setup.TimerEdit->setText("20");
  Setup.OKButtonClick();
  EXPECT_EQ(Messages.Errors, (std::vector<test::RecordingDialogs::Message>{
                                 {"Failed to set data for 'Vostrelund'", "Tessaryne Vostrelund"}}));
  EXPECT_TRUE(Setup.isVisible());
  EXPECT_EQ(Options().CheckInterval, 20u);  // the values before the entry are already stored
}

TEST_F(Dialogs, APathTooLongForTheSettingsIsRefusedAndNothingIsStored) {
  ShowSetup();
  Setup.TimerEdit->setText("33");
  Setup.LogEdit->setText("/" + QString(259, 'l'));
  Setup.OKButtonClick();
  ASSERT_EQ(Messages.Errors.size(), 1u);
  EXPECT_NE(Messages.Errors[0].Text.find("260 bytes"), std::string::npos);
  EXPECT_TRUE(Setup.isVisible());
  EXPECT_EQ(Options().CheckInterval, 1u);
  Setup.LogEdit->setText(QString(259, 'l'));  // exactly 259 fits
  Setup.OKButtonClick();
  EXPECT_EQ(Options().LogPath, std::string(259, 'l'));
}

TEST_F(Dialogs, CancelLeavesEverythingAsItWas) {
  const Settings before = Options();
  ShowSetup();
  Setup.TimerEdit->setText("50");
  Setup.RunCheck->setChecked(true);
  Setup.PauseCheck->setChecked(true);
  Setup.PageControl1->setCurrentIndex(1);
  Setup.CancelButton->click();
  EXPECT_FALSE(Setup.isVisible());
  EXPECT_EQ(Options(), before);
  EXPECT_FALSE(Guard.Paused);
  EXPECT_FALSE(FileExists(Autostart.Path()));
  EXPECT_TRUE(Main.MainTimer->isActive());
  ShowSetup();
  EXPECT_EQ(Setup.TimerEdit->text(), "1");
  EXPECT_EQ(Setup.PageControl1->currentIndex(), 0);
}

TEST_F(Dialogs, TheCheckButtonsCompareOnlyWhatTheySay) {
  const std::string page = Root / "site/a.html";
  std::filesystem::create_directories(Root / "site");
  WriteAll(page, "a");
  Messages.FileChoices.push_back({page});
  Editor.SpeedButton1Click();
  WriteAll(page, "b");  // same length, maybe the same second: only the contents tell
  const timespec times[2] = {{0, UTIME_OMIT}, {1700000000, 0}};
  utimensat(AT_FDCWD, Data.BackupPath(page).c_str(), times, 0);
  utimensat(AT_FDCWD, page.c_str(), times, 0);
  Options().CheckDates = false;
  Options().CheckData = false;
  ShowSetup();
  Setup.CheckModifButton->click();
  EXPECT_EQ(Data.Files().ActionHistory(0), "Checked (OK)");
  EXPECT_TRUE(CheckForm.Progress->value() == 100);
  Setup.CheckCsumButton->click();
  EXPECT_EQ(Data.Files().ActionHistory(0), "File data changed");
}

TEST_F(Dialogs, AfterAPassFromTheSetupDialogTheWindowWaitsForTheAlert) {
  const std::string page = Root / "site/a.html";
  std::filesystem::create_directories(Root / "site");
  WriteAll(page, "a");
  Messages.FileChoices.push_back({page});
  Editor.SpeedButton1Click();
  std::filesystem::remove(page);
  QTimer::singleShot(0, [this] {
    Setup.CheckModifButton->click();  // raises "Doesn't exist"
    Setup.OKButton->click();
  });
  Config.Timersetup1Click();
  EXPECT_TRUE(Alert.isVisible());
  EXPECT_FALSE(Config.isEnabled());
  EXPECT_TRUE(FileExists(Data.Locations().SettingsFile));  // saved after the dialog closed
  Alert.IgnoreButton->click();
  EXPECT_TRUE(Config.isEnabled());
}

TEST_F(Dialogs, WhileTheSetupDialogIsUpATrayClickOnlyBringsItToTheFront) {
  Main.SetSetupForm(&Setup);
  ShowSetup();
  Main.TrayIconMouseDown(Qt::LeftButton, QPoint(10, 10));
  EXPECT_FALSE(Config.isVisible());  // not toggled
  Main.TrayIconMouseDown(Qt::RightButton, QPoint(10, 10));
  EXPECT_FALSE(Main.TrayPopup->isVisible());
  EXPECT_TRUE(Setup.isVisible());
}

TEST_F(Dialogs, TheLogViewerShowsTheLogAndClearDeletesItAfterAsking) {
  WriteAll(Options().LogPath,
           "Alert [Mon 03 Jul 14:05]: /s/a.html - Date mismatch\r\n *** FIXED ***\r\n\r\nAlert [Mon 03 Jul "
           "15:10]: "
           "/s/b.html - File data changed\r\n (Ignored by user)\r\n\r\n");
  Log.show();
  EXPECT_EQ(
      Log.LogEdit->toPlainText(),
      "Alert [Mon 03 Jul 14:05]: /s/a.html - Date mismatch\n *** FIXED ***\n\nAlert [Mon 03 Jul 15:10]: "
      "/s/b.html - File data changed\n (Ignored by user)\n\n");
  EXPECT_EQ(Log.LogEdit->document()->blockCount(), 7);
  Messages.Answers = {false, true};
  Log.ClearButton->click();
  EXPECT_TRUE(FileExists(Options().LogPath));
  EXPECT_FALSE(Log.LogEdit->toPlainText().isEmpty());
  Log.ClearButton->click();
  EXPECT_FALSE(FileExists(Options().LogPath));
  EXPECT_TRUE(Log.LogEdit->toPlainText().isEmpty());
  EXPECT_TRUE(Log.isVisible());
  EXPECT_EQ(Messages.Questions[0].Caption, "Clear log file");
  Log.hide();
  Log.show();  // no file: an empty viewer, no message
  EXPECT_TRUE(Log.LogEdit->toPlainText().isEmpty());
  Log.hide();
}

TEST_F(Dialogs, ViewLogHoldsTheTimerAndFollowsUseLog) {
  EXPECT_FALSE(Config.Viewlog1->isEnabled());
  bool timerStopped = false;
  QTimer::singleShot(0, [&] {
    timerStopped = !Main.MainTimer->isActive();
    Log.OKButton->click();
  });
  Config.Viewlog1Click();
  EXPECT_TRUE(timerStopped);
  EXPECT_TRUE(Main.MainTimer->isActive());
}

class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> Opened;
 public slots:
  void Open(const QUrl& url) { Opened.push_back(url); }
};

TEST(ProductForms, TheSplashClosesItselfOnTheThirdTick) {
  TSplashForm splash;
  EXPECT_EQ(splash.windowTitle(), "Vostrelund");
  EXPECT_TRUE(splash.Timer->isActive());
  EXPECT_EQ(splash.Timer->interval(), 1000);
  splash.show();
  splash.TimerTimer();
  splash.TimerTimer();
  EXPECT_TRUE(splash.isVisible());
  splash.TimerTimer();
  EXPECT_FALSE(splash.isVisible());
  EXPECT_EQ(splash.result(), QDialog::Accepted);
}

TEST(ProductForms, TheAboutBoxShowsTheVersionAndItsLinkOpensTheBrowser) {
  TAboutBox about;
  EXPECT_EQ(about.windowTitle(), "About");
  EXPECT_EQ(about.VersionLabel->text(), "Version 1.0");
  EXPECT_EQ(about.CloseButton->text(), "Close");
  EXPECT_TRUE(about.CloseButton->isDefault());
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler("https", &catcher, "Open");
  emit about.WebLink->linkActivated(kMakerAddress);
  QDesktopServices::unsetUrlHandler("https");
  EXPECT_EQ(catcher.Opened, QList<QUrl>{QUrl(kMakerAddress)});
  QTimer::singleShot(0, [&] { about.CloseButton->click(); });
  about.exec();
  QTimer::singleShot(0, [&] { about.CloseButton->click(); });
  EXPECT_EQ(about.exec(), QDialog::Accepted);  // any number of times
}

}  // namespace
}  // namespace vostrelund

#include "dialogs_test.moc"
