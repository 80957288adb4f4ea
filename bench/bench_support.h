#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace vostrelund::bench {

inline double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Runs a command (no shell) and waits for it; true when it exited with 0.
bool RunCommand(const std::vector<std::string>& argv);
// Bytes of heap in use now.
size_t HeapInUse();
// Drops nothing from the cache but reads the file once, so that later reads come from memory.
void WarmCache(const std::string& path);
void WriteFile(const std::string& path, size_t size);

}  // namespace vostrelund::bench
