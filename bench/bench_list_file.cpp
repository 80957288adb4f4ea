// Loading and saving a list of a million rows: time, and heap held by the rows against the file's size.
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QScrollBar>
#include <QTableView>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "bench_support.h"
#include "null_views.h"
#include "storage/config_data.h"
#include "storage/list_file.h"
#include "ui/name_collation.h"
#include "ui/watch_list_model.h"

using namespace vostrelund;

namespace {

// A realistic large site: a few thousand folders of product pages, images and scripts, with the names
// that recur in every folder.
std::vector<WatchedFile> SiteRows(size_t count) {
  static const char* const kSections[] = {"products",    "news",      "assets/img",     "assets/js",
                                          "docs/manual", "blog/2024", "shop/catalogue", "static/css"};
  static const char* const kCommon[] = {"index.html", "style.css", "logo.png", "main.js", ".htaccess"};
  static const char* const kHistory[] = {"Checked (OK)", "Not checked", "Backup (OK)",
                                         "Date mismatch (fixed)"};
  std::mt19937 random(7);
  std::vector<WatchedFile> rows;
  rows.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const size_t folder = i / 200;
    WatchedFile row;
    row.FolderPath = "/var/www/example.org/htdocs/" + std::string(kSections[folder % 8]) + "/group-" +
                     std::to_string(folder) + "/";
    row.LeafName = (i % 200) < 5 ? kCommon[i % 200]
                                 : "item-" + std::to_string(random() % 1000000) + (i % 3 ? ".html" : ".jpg");
    row.SizeText = std::to_string(random() % 300) + " KB";
    row.ActionHistory = kHistory[random() % 4];
    rows.push_back(std::move(row));
  }
  return rows;
}

void Measure(const char* orderName, const NameOrder& order, const std::string& folder, size_t fileSize) {
  bench::NullViews views;
  ConfigData data(FileLocations::FromExecutable(folder + "/vostrelund"), order, views, views);
  const size_t heapBefore = bench::HeapInUse();
  auto start = std::chrono::steady_clock::now();
  data.LoadFileList();
  const double load = bench::Seconds(start);
  const size_t heap = bench::HeapInUse() - heapBefore;
  start = std::chrono::steady_clock::now();
  const bool saved = data.SaveFileList();
  const double save = bench::Seconds(start);
  if (!views.Errors.empty())
    std::printf("SAVE FAILED\n");
  // The table over the loaded list: set up, shown, painted at the top and at the very bottom.
  start = std::chrono::steady_clock::now();
  WatchListModel model(data.Files());
  QTableView view;
  view.setModel(&model);
  view.resize(574, 300);
  view.show();
  QApplication::processEvents();
  const double open = bench::Seconds(start);
  start = std::chrono::steady_clock::now();
  view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
  view.repaint();
  QApplication::processEvents();
  const double scroll = bench::Seconds(start);
  std::printf("%-22s table over the rows: open and paint %.3f s, scroll to the last row and paint %.3f s\n",
              orderName, open, scroll);
  std::printf("%-22s rows %zu  load %.3f s  save %.3f s%s  rows' heap %.0f MB = %.2fx the file\n", orderName,
              data.Files().Size(), load, save, saved ? "" : " (FAILED)", heap / 1e6,
              static_cast<double>(heap) / static_cast<double>(fileSize));
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  const size_t count = argc > 1 ? std::stoul(argv[1]) : 1000000;
  const std::string folder = std::filesystem::temp_directory_path().string() + "/vostrelund-bench-list";
  std::filesystem::create_directories(folder);
  const std::string listFile = folder + "/vostrelund.dta";
  {
    // Written in list order, as the program writes it.
    WatchList list(LocaleNameOrder(QLocale("en_US")));
    list.Assign(SiteRows(count));
    WriteListFile(listFile, list);
  }
  struct stat st {};
  stat(listFile.c_str(), &st);
  const auto fileSize = static_cast<size_t>(st.st_size);
  std::printf("list file: %zu rows, %.1f MB\n", count, fileSize / 1e6);
  Measure("locale order (en_US)", LocaleNameOrder(QLocale("en_US")), folder, fileSize);
  Measure("byte order", ByteOrder(), folder, fileSize);
  if (std::getenv("KEEP") == nullptr)
    std::filesystem::remove_all(folder);
  return 0;
}
