#include "bench_support.h"

#include <fcntl.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace vostrelund::bench {

bool RunCommand(const std::vector<std::string>& argv) {
  const pid_t pid = fork();
  if (pid == 0) {
    std::vector<char*> args;
    for (const std::string& a : argv)
      args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

void WarmCache(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY);
  std::vector<char> buffer(1 << 20);
  while (read(fd, buffer.data(), buffer.size()) > 0) {
  }
  close(fd);
}

void WriteFile(const std::string& path, size_t size) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<char> buffer(1 << 20);
  uint32_t x = 12345;
  for (char& c : buffer) {
    x = x * 1103515245u + 12345u;
    c = static_cast<char>(x >> 24);
  }
  for (size_t done = 0; done < size; done += buffer.size()) {
    const size_t n = std::min(buffer.size(), size - done);
    if (write(fd, buffer.data(), n) != static_cast<ssize_t>(n))
      perror("write");
  }
  close(fd);
}

}  // namespace vostrelund::bench
