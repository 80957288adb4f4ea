#include "guard_fixture.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

namespace vostrelund::test {

namespace {
std::time_t MondayAfternoon() {
  std::tm t{};
  t.tm_year = 2023 - 1900;
  t.tm_mon = 6;
  t.tm_mday = 3;
  t.tm_hour = 14;
  t.tm_min = 5;
  t.tm_isdst = -1;
  return std::mktime(&t);
}
}  // namespace

GuardTest::GuardTest()
    : Site(Root / "site/"),
      Data(FileLocations::FromExecutable(Root / "guard/vostrelund"), ByteOrder(), Status, Dialogs),
      Editor(Data, Dialogs, MainTimer, Config),
      Now(MondayAfternoon()),
      Guard(Data,
            {Status, Dialogs, Config, MainTimer, Main, CheckWindow, BackupWindow, FixWindow, AlertWindow},
            [this] { return Now; }) {
  Data.SetSettingsListener(&Guard);
  Data.LoadSettings();
  Options().LogPath = Root / "guard/vostrelund.log";
  Options().SoundPath = Root / "guard/alert.wav";
}

std::string GuardTest::SiteFile(const std::string& relative, const std::string& content) {
  const std::string path = Site + relative;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  WriteAll(path, content);
  return path;
}

void GuardTest::Watch(const std::vector<std::string>& paths) {
  Dialogs.FileChoices.push_back(paths);
  Editor.SpeedButton1Click();
}

std::vector<std::string> GuardTest::Table() const {
  std::vector<std::string> rows;
  const WatchList& list = Data.Files();
  for (size_t i = 0; i < list.Size(); ++i) {
    rows.push_back(list.FullPath(i) + " | " + list.SizeText(i) + " | " + list.ActionHistory(i));
  }
  return rows;
}

std::string GuardTest::History(const std::string& path) const {
  const WatchList& list = Data.Files();
  for (size_t i = 0; i < list.Size(); ++i) {
    if (list.FullPath(i) == path)
      return list.ActionHistory(i);
  }
  ADD_FAILURE() << "no row for " << path;
  return {};
}

void GuardTest::Touch(const std::string& path, int seconds) {
  struct stat st {};
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  const timespec times[2] = {{0, UTIME_OMIT}, {st.st_mtim.tv_sec + seconds, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

void GuardTest::SetMtime(const std::string& path, std::time_t seconds) {
  const timespec times[2] = {{0, UTIME_OMIT}, {seconds, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

int GuardTest::PassesRun() const {
  return static_cast<int>(
      std::count(CheckWindow.Statuses.begin(), CheckWindow.Statuses.end(), "Initializing checker engine..."));
}

}  // namespace vostrelund::test
