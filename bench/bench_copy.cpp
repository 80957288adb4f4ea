// Copying one large file from a warm cache: CopyFileWithTimestamp against cp, side by side.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "bench_support.h"
#include "storage/backup_store.h"

using namespace vostrelund;

int main(int argc, char** argv) {
  const size_t size = (argc > 1 ? std::stoul(argv[1]) : 1024) << 20;
  const int rounds = argc > 2 ? std::stoi(argv[2]) : 3;
  const std::string folder = std::filesystem::temp_directory_path().string() + "/vostrelund-bench-copy";
  std::filesystem::create_directories(folder);
  const std::string source = folder + "/source.bin";
  const std::string target = folder + "/target.bin";
  bench::WriteFile(source, size);
  bench::WarmCache(source);

  CopyBuffer buffer = MakeCopyBuffer();
  double best_cp = 1e9, best_ours = 1e9;
  for (int round = 0; round < rounds; ++round) {
    std::filesystem::remove(target);
    sync();
    auto start = std::chrono::steady_clock::now();
    if (!bench::RunCommand({"cp", source, target}))
      std::fprintf(stderr, "cp failed\n");
    best_cp = std::min(best_cp, bench::Seconds(start));

    std::filesystem::remove(target);
    sync();
    start = std::chrono::steady_clock::now();
    const FileCopy copy = CopyFileWithTimestamp(source, target, buffer);
    best_ours = std::min(best_ours, bench::Seconds(start));
    if (copy.Status != CopyStatus::Copied || copy.Bytes != size)
      std::fprintf(stderr, "copy failed\n");
  }
  std::printf("copy %zu MiB, best of %d: cp %.3f s, CopyFileWithTimestamp %.3f s, ratio %.2fx\n", size >> 20,
              rounds, best_cp, best_ours, best_ours / best_cp);
  std::filesystem::remove_all(folder);
  return 0;
}
