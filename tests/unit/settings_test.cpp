#include "storage/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/file_system.h"
#include "storage/config_data.h"
#include "test_support.h"

namespace vostrelund {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

Settings Custom() {
  Settings s;
  s.CheckInterval = 45;
  s.CheckDates = false;
  s.CheckData = true;
  s.ShowProgress = true;
  s.PausingEnabled = false;
  s.RunAtStartup = true;
  s.UseSound = false;
  s.SoundPath = "/usr/share/sounds/" + std::string(259 - 18, 's');
  s.AutoFix = false;
  s.UseLog = true;
  s.LogPath = "/var/log/" + std::string(259 - 9, 'l');
  return s;
}

struct CountingListener : SettingsListener {
  void SettingsLoaded() override { ++Loaded; }
  void SettingsSaved() override { ++Saved; }
  int Loaded = 0;
  int Saved = 0;
};

class SettingsFile : public ::testing::Test {
 protected:
  SettingsFile() : Data(FileLocations::FromExecutable(Dir / "vostrelund"), ByteOrder(), Status, Dialogs) {
    Data.SetSettingsListener(&Listener);
  }
  const std::string& Path() const { return Data.Locations().SettingsFile; }
  Settings Defaults() const { return DefaultSettings(CurrentFolder(), HomeFolder()); }

  TempDir Dir;
  test::RecordingStatus Status;
  test::RecordingDialogs Dialogs;
  CountingListener Listener;
  ConfigData Data;
};

TEST_F(SettingsFile, FirstStartGivesTheDefaultsAndWritesNothing) {
  Data.CurrentSettings() = Custom();
  Data.LoadSettings();
  const Settings& s = Data.CurrentSettings();
  EXPECT_EQ(s.CheckInterval, 1u);
  EXPECT_TRUE(s.CheckDates);
  EXPECT_FALSE(s.CheckData);
  EXPECT_FALSE(s.ShowProgress);
  EXPECT_TRUE(s.PausingEnabled);
  EXPECT_FALSE(s.RunAtStartup);
  EXPECT_TRUE(s.UseSound);
  EXPECT_EQ(s.SoundPath, CurrentFolder() + "/alert.wav");
  EXPECT_TRUE(s.AutoFix);
  EXPECT_FALSE(s.UseLog);
  EXPECT_EQ(s.LogPath, HomeFolder() + "/vostrelund.log");
  EXPECT_EQ(Listener.Loaded, 1);
  EXPECT_FALSE(FileExists(Path()));
  EXPECT_EQ(Status.Panels[kStatusPanel], "Status: [Unchecked]");
  EXPECT_TRUE(FileExists(Data.Locations().BackupFolder));
}

TEST_F(SettingsFile, TheDefaultSoundLiesInTheWorkingFolderOfTheMoment) {
  TempDir elsewhere;
  const std::string was = CurrentFolder();
  ASSERT_EQ(chdir(elsewhere.Path().c_str()), 0);
  Data.LoadSettings();
  ASSERT_EQ(chdir(was.c_str()), 0);
  EXPECT_EQ(Data.CurrentSettings().SoundPath,
            std::filesystem::canonical(elsewhere.Path()).string() + "/alert.wav");
}

TEST_F(SettingsFile, SavesTheRecordByteForByte) {
  Data.CurrentSettings() = Custom();
  ASSERT_TRUE(Data.SaveSettings());
  EXPECT_EQ(Listener.Saved, 1);
  const std::string bytes = ReadAll(Path());
  ASSERT_EQ(bytes.size(), 536u);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x26\x07\x00\x44", 4));
  EXPECT_EQ(bytes.substr(4, 4), std::string("\x2d\x00\x00\x00", 4));
  EXPECT_EQ(bytes.substr(8, 6), std::string("\x00\x01\x01\x00\x01\x00", 6));
  EXPECT_EQ(bytes.substr(14, 259), Custom().SoundPath);
  EXPECT_EQ(bytes[273], '\0');
  EXPECT_EQ(bytes.substr(274, 2), std::string("\x00\x01", 2));
  EXPECT_EQ(bytes.substr(276, 259), Custom().LogPath);
  EXPECT_EQ(bytes[535], '\0');
  EXPECT_EQ(test::ListFolder(Dir.Path()), (std::vector<std::string>{"Backup", "vostrelund.ini"}));
}

TEST_F(SettingsFile, RoundTripsEveryFieldWith259ByteTexts) {
  Data.CurrentSettings() = Custom();
  ASSERT_TRUE(Data.SaveSettings());
  Data.CurrentSettings() = Settings();
  Data.LoadSettings();
  Settings expected = Custom();
  expected.SettingsMagic = kSettingsMagic;
  EXPECT_EQ(Data.CurrentSettings(), expected);
}

TEST_F(SettingsFile, AcceptsOnlyAWholeRecordWithTheTag) {
  Settings custom = Custom();
  custom.SettingsMagic = kSettingsMagic;
  const SettingsRecord good = EncodeSettings(custom);
  const std::string record(good.begin(), good.end());
  std::string wrongTag = record;
  wrongTag[3] = 0x45;
  struct Case {
    std::string Bytes;
    bool Loaded;
  };
  const Case cases[] = {
      {record, true},
      {record + std::string(64, 'x'), true},  // 600 bytes: the first 536 count
      {record.substr(0, 535), false},
      {wrongTag, false},
      {"", false},
  };
  for (const Case& c : cases) {
    WriteAll(Path(), c.Bytes);
    Data.CurrentSettings() = Settings();
    Data.LoadSettings();
    EXPECT_EQ(Data.CurrentSettings(), c.Loaded ? custom : Defaults()) << c.Bytes.size();
  }
}

TEST_F(SettingsFile, ATextWithoutItsZeroEndsAtByte259) {
  Settings custom = Custom();
  custom.AutoFix = true;
  SettingsRecord record = EncodeSettings(custom);
  std::fill(record.begin() + 14, record.begin() + 274, 'S');
  std::fill(record.begin() + 276, record.end(), 'L');
  const Settings read = DecodeSettings(record);
  EXPECT_EQ(read.SoundPath, std::string(259, 'S'));
  EXPECT_EQ(read.LogPath, std::string(259, 'L'));
  EXPECT_TRUE(read.AutoFix);  // byte 274 is the next field, not part of the text
}

TEST_F(SettingsFile, AFailedSaveIsSilentKeepsTheRecordAndStillUpdatesTheMenus) {
  Data.CurrentSettings() = Custom();
  ASSERT_EQ(mkdir(Path().c_str(), 0700), 0);  // nothing can be renamed over a folder
  EXPECT_FALSE(Data.SaveSettings());
  EXPECT_EQ(Listener.Saved, 1);
  EXPECT_TRUE(Dialogs.Errors.empty());
  EXPECT_EQ(Data.CurrentSettings().CheckInterval, 45u);
  EXPECT_EQ(test::ListFolder(Dir.Path()), (std::vector<std::string>{"Backup", "vostrelund.ini"}));
}

}  // namespace
}  // namespace vostrelund
