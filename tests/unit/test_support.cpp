#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace vostrelund {
void PrintTo(const WatchedFile& row, std::ostream* out) {
  *out << "{" << row.LeafName.size() << ":'" << row.LeafName.substr(0, 40) << "', " << row.FolderPath.size()
       << ":'" << row.FolderPath.substr(0, 40) << "', '" << row.SizeText << "', '" << row.ActionHistory
       << "'}";
}
}  // namespace vostrelund

namespace vostrelund::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vostrelund-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr)
    ADD_FAILURE() << "cannot create a temp folder";
  Path_ = pattern + "/";
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(Path_, ec);
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string PatternBytes(size_t size, unsigned seed) {
  std::string bytes(size, '\0');
  uint32_t x = seed * 2654435761u + 1;
  for (char& c : bytes) {
    x = x * 1103515245u + 12345u;
    c = static_cast<char>(x >> 24);
  }
  return bytes;
}

std::vector<std::string> ListFolder(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

void RecordingDialogs::ShowError(const std::string& text, const std::string& caption) {
  Errors.push_back({text, caption});
  if (WhileOpen)
    WhileOpen();
}

bool RecordingDialogs::AskYesNo(const std::string& text, const std::string& caption, MessageIcon icon,
                                bool yesIsDefault) {
  Questions.push_back({text, caption});
  QuestionDefaultsYes.push_back(yesIsDefault);
  // Each question of the program, with its icon.
  static const std::map<std::string, MessageIcon> kIcons = {
      {"Remove from list", MessageIcon::Question},
      {"Tessaryne Dunmerrow (exit/stop checking)", MessageIcon::Question},
      {"Backup failed", MessageIcon::Error},
      {"Auto fix files on mismath", MessageIcon::Question},
      {"Clear log file", MessageIcon::Question},
  };
  const auto known = kIcons.find(caption);
  if (known == kIcons.end()) {
    ADD_FAILURE() << "a question with an unknown caption: " << caption;
  } else {
    EXPECT_EQ(icon, known->second) << caption;
  }
  if (WhileOpen)
    WhileOpen();
  if (Answers.empty()) {
    ADD_FAILURE() << "unexpected question: " << text;
    return false;
  }
  const bool answer = Answers.front();
  Answers.erase(Answers.begin());
  return answer;
}

std::vector<std::string> RecordingDialogs::ChooseFiles(const std::string& title, const std::string& filter) {
  ChooserTitles.push_back(title + " | " + filter);
  if (FileChoices.empty()) {
    ADD_FAILURE() << "unexpected file chooser";
    return {};
  }
  std::vector<std::string> chosen = FileChoices.front();
  FileChoices.erase(FileChoices.begin());
  return chosen;
}

std::string RecordingDialogs::ChooseFolder(const std::string& title) {
  ChooserTitles.push_back(title);
  if (FolderChoices.empty()) {
    ADD_FAILURE() << "unexpected folder chooser";
    return {};
  }
  std::string chosen = FolderChoices.front();
  FolderChoices.erase(FolderChoices.begin());
  return chosen;
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
  std::signal(SIGXFSZ, SIG_IGN);
  getrlimit(RLIMIT_FSIZE, &Saved_);
  rlimit limit = Saved_;
  limit.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  setrlimit(RLIMIT_FSIZE, &Saved_);
}

}  // namespace vostrelund::test
