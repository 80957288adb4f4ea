// The checking and repair operations on large sites, each side by side with its reference in one run:
//   add folder structure and backup now on a tree of 50,000 files, against cp -a of the tree;
//   a check pass comparing stamps over 100,000 small files, against a loop of the same system calls;
//   a check pass comparing contents over 1 GiB of files, against a read-and-memcmp loop and cmp.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include "bench_support.h"
#include "checker/checker.h"
#include "null_views.h"
#include "storage/watch_editor.h"

using namespace vostrelund;
namespace fs = std::filesystem;

namespace {

// A site: `folders` folders of files whose sizes spread from 0 to `maxSize` bytes.
void MakeSite(const std::string& root, size_t files, size_t folders, size_t maxSize) {
  std::mt19937 random(11);
  std::string content(maxSize, 'x');
  for (size_t i = 0; i < maxSize; ++i)
    content[i] = static_cast<char>('a' + random() % 26);
  for (size_t f = 0; f < folders; ++f) {
    const std::string folder = root + "/section" + std::to_string(f % 10) + "/page" + std::to_string(f) + "/";
    fs::create_directories(folder);
    for (size_t i = f * files / folders; i < (f + 1) * files / folders; ++i) {
      const int fd =
          open((folder + "file" + std::to_string(i) + ".html").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      const size_t size = maxSize == 0 ? 0 : random() % maxSize;
      if (write(fd, content.data(), size) != static_cast<ssize_t>(size))
        std::perror("write");
      close(fd);
    }
  }
}

struct Guard {
  explicit Guard(const std::string& programFolder)
      : Data(FileLocations::FromExecutable(programFolder + "/vostrelund"), ByteOrder(), Views, Views),
        Editor(Data, Views, Views, Views),
        Core(Data, {Views, Views, Views, Views, Views, Views, Views, Views, Views}) {
    Data.SetSettingsListener(&Core);
    Data.LoadSettings();
  }
  bench::NullViews Views;
  ConfigData Data;
  WatchListEditor Editor;
  Checker Core;
};

void Report(const char* what, double ours, const char* reference, double theirs) {
  std::printf("%-44s %8.3f s   %-28s %8.3f s   ratio %.2fx\n", what, ours, reference, theirs, ours / theirs);
}

void AddAndBackUp(const std::string& base, size_t files) {
  const std::string site = base + "/site";
  MakeSite(site, files, files / 100, 16384);
  std::system(("sync; find " + site + " -type f -exec cat {} + > /dev/null").c_str());

  auto start = std::chrono::steady_clock::now();
  bench::RunCommand({"cp", "-a", site, base + "/site-copy"});
  const double cp = bench::Seconds(start);
  fs::remove_all(base + "/site-copy");
  std::system("sync");

  Guard guard(base + "/guard");
  start = std::chrono::steady_clock::now();
  guard.Editor.AddFolderTree(site);
  guard.Data.SaveFileList();
  const double add = bench::Seconds(start);
  if (guard.Data.Files().Size() != files || !guard.Views.Errors.empty())
    std::printf("ADD FAILED\n");
  std::system("sync");

  start = std::chrono::steady_clock::now();
  guard.Core.RunBackupNow();
  const double backup = bench::Seconds(start);
  if (!guard.Views.Errors.empty())
    std::printf("BACKUP FAILED\n");

  // Every file changed since its copy: each copy is made again and renamed over the old one.
  const WatchList& list = guard.Data.Files();
  for (size_t i = 0; i < list.Size(); ++i) {
    const timespec times[2] = {{0, UTIME_OMIT}, {1700000000 + static_cast<std::time_t>(i), 0}};
    utimensat(AT_FDCWD, list.FullPath(i).c_str(), times, 0);
  }
  std::system("sync");
  start = std::chrono::steady_clock::now();
  guard.Core.RunBackupNow();
  const double backupChanged = bench::Seconds(start);

  const std::string tree = std::to_string(files) + " files";
  Report(("add folder structure, " + tree).c_str(), add, "cp -a of the tree", cp);
  Report(("backup now, " + tree + " unchanged").c_str(), backup, "cp -a of the tree", cp);
  Report(("backup now, " + tree + " all changed").c_str(), backupChanged, "cp -a of the tree", cp);
}

void CheckStamps(const std::string& base, size_t files) {
  const std::string site = base + "/small";
  MakeSite(site, files, files / 200, 64);
  Guard guard(base + "/guard-small");
  guard.Editor.AddFolderTree(site);
  guard.Data.SaveFileList();
  const WatchList& list = guard.Data.Files();
  std::vector<std::pair<std::string, std::string>> pairs;
  for (size_t i = 0; i < list.Size(); ++i)
    pairs.emplace_back(list.FullPath(i), guard.Data.BackupPath(list.FullPath(i)));

  const auto plainLoop = [&] {
    for (const auto& [file, backup] : pairs) {
      const int a = open(file.c_str(), O_RDONLY | O_CLOEXEC);
      const int b = open(backup.c_str(), O_RDONLY | O_CLOEXEC);
      struct stat sa {
      }, sb{};
      fstat(a, &sa);
      fstat(b, &sb);
      close(a);
      close(b);
    }
  };
  plainLoop();
  guard.Core.RunCheckPass(true, false, false, false);  // warm up, and the first save of the list
  double best_plain = 1e9, best_pass = 1e9;
  for (int round = 0; round < 3; ++round) {
    auto start = std::chrono::steady_clock::now();
    plainLoop();
    best_plain = std::min(best_plain, bench::Seconds(start));
    start = std::chrono::steady_clock::now();
    guard.Core.RunCheckPass(true, false, false, false);
    best_pass = std::min(best_pass, bench::Seconds(start));
  }
  if (guard.Views.Alerts != 0)
    std::printf("UNEXPECTED ALERTS\n");
  Report(("check pass, stamps, " + std::to_string(files) + " files").c_str(), best_pass,
         "open+fstat+close loop", best_plain);
}

void CheckContents(const std::string& base, size_t files, size_t size) {
  const std::string site = base + "/big";
  fs::create_directories(site);
  for (size_t i = 0; i < files; ++i)
    bench::WriteFile(site + "/part" + std::to_string(i) + ".bin", size);
  Guard guard(base + "/guard-big");
  guard.Editor.AddFolderTree(site);
  const WatchList& list = guard.Data.Files();
  std::vector<std::pair<std::string, std::string>> pairs;
  for (size_t i = 0; i < list.Size(); ++i)
    pairs.emplace_back(list.FullPath(i), guard.Data.BackupPath(list.FullPath(i)));
  for (const auto& [file, backup] : pairs) {
    bench::WarmCache(file);
    bench::WarmCache(backup);
  }

  std::vector<char> a(1 << 16), b(1 << 16);
  const auto plainLoop = [&] {
    size_t equal = 0;
    for (const auto& [file, backup] : pairs) {
      const int fa = open(file.c_str(), O_RDONLY), fb = open(backup.c_str(), O_RDONLY);
      bool same = true;
      for (;;) {
        const ssize_t na = read(fa, a.data(), a.size());
        const ssize_t nb = read(fb, b.data(), b.size());
        if (na != nb || std::memcmp(a.data(), b.data(), static_cast<size_t>(std::max<ssize_t>(na, 0))) != 0) {
          same = false;
          break;
        }
        if (na <= 0)
          break;
      }
      equal += same;
      close(fa);
      close(fb);
    }
    return equal;
  };
  const auto cmpAll = [&] {
    for (const auto& [file, backup] : pairs)
      bench::RunCommand({"cmp", "-s", file, backup});
  };
  double best_plain = 1e9, best_pass = 1e9, best_cmp = 1e9;
  for (int round = 0; round < 3; ++round) {
    auto start = std::chrono::steady_clock::now();
    if (plainLoop() != pairs.size())
      std::printf("PLAIN LOOP FOUND A DIFFERENCE\n");
    best_plain = std::min(best_plain, bench::Seconds(start));
    start = std::chrono::steady_clock::now();
    guard.Core.RunCheckPass(false, true, false, false);
    best_pass = std::min(best_pass, bench::Seconds(start));
    start = std::chrono::steady_clock::now();
    cmpAll();
    best_cmp = std::min(best_cmp, bench::Seconds(start));
  }
  if (guard.Views.Alerts != 0)
    std::printf("UNEXPECTED ALERTS\n");
  const double gib = static_cast<double>(files * size) / (1 << 30);
  const std::string what =
      "check pass, contents, " + std::to_string(files) + " x " + std::to_string(size >> 20) + " MiB";
  Report(what.c_str(), best_pass, "read+memcmp loop", best_plain);
  Report(what.c_str(), best_pass, "cmp -s per pair", best_cmp);
  std::printf("  throughput: pass %.2f GiB/s, read+memcmp %.2f GiB/s (pass at %.2fx of it), cmp %.2f GiB/s\n",
              gib / best_pass, gib / best_plain, best_plain / best_pass, gib / best_cmp);
}

}  // namespace

int main(int argc, char** argv) {
  const size_t treeFiles = argc > 1 ? std::stoul(argv[1]) : 50000;
  const size_t smallFiles = argc > 2 ? std::stoul(argv[2]) : 100000;
  const std::string base = fs::temp_directory_path().string() + "/vostrelund-bench-checker";
  fs::remove_all(base);
  fs::create_directories(base);
  AddAndBackUp(base, treeFiles);
  CheckStamps(base, smallFiles);
  CheckContents(base, 64, size_t{16} << 20);
  fs::remove_all(base);
  return 0;
}
