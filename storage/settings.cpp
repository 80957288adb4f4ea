#include "storage/settings.h"

#include <cstring>

#include "platform/file_system.h"

namespace vostrelund {

namespace L = settings_layout;

namespace {

void PutU32(SettingsRecord& r, size_t at, uint32_t v) {
  for (size_t i = 0; i < 4; ++i)
    r[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

uint32_t GetU32(const SettingsRecord& r, size_t at) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i)
    v |= static_cast<uint32_t>(r[at + i]) << (8 * i);
  return v;
}

void PutText(SettingsRecord& r, size_t at, const std::string& text) {
  const size_t n = std::min(text.size(), kMaxSettingsText);
  std::memcpy(r.data() + at, text.data(), n);
  std::memset(r.data() + at + n, 0, L::kTextSize - n);
}

std::string GetText(const SettingsRecord& r, size_t at) {
  const auto* begin = reinterpret_cast<const char*>(r.data() + at);
  const auto* zero = static_cast<const char*>(std::memchr(begin, 0, kMaxSettingsText));
  return std::string(begin, zero != nullptr ? zero : begin + kMaxSettingsText);
}

}  // namespace

SettingsRecord EncodeSettings(const Settings& s) {
  SettingsRecord r{};
  PutU32(r, L::kMagic, s.SettingsMagic);
  PutU32(r, L::kCheckInterval, s.CheckInterval);
  r[L::kCheckDates] = s.CheckDates;
  r[L::kCheckData] = s.CheckData;
  r[L::kShowProgress] = s.ShowProgress;
  r[L::kPausingEnabled] = s.PausingEnabled;
  r[L::kRunAtStartup] = s.RunAtStartup;
  r[L::kUseSound] = s.UseSound;
  PutText(r, L::kSoundPath, s.SoundPath);
  r[L::kAutoFix] = s.AutoFix;
  r[L::kUseLog] = s.UseLog;
  PutText(r, L::kLogPath, s.LogPath);
  return r;
}

Settings DecodeSettings(const SettingsRecord& r) {
  Settings s;
  s.SettingsMagic = GetU32(r, L::kMagic);
  s.CheckInterval = GetU32(r, L::kCheckInterval);
  s.CheckDates = r[L::kCheckDates] != 0;
  s.CheckData = r[L::kCheckData] != 0;
  s.ShowProgress = r[L::kShowProgress] != 0;
  s.PausingEnabled = r[L::kPausingEnabled] != 0;
  s.RunAtStartup = r[L::kRunAtStartup] != 0;
  s.UseSound = r[L::kUseSound] != 0;
  s.SoundPath = GetText(r, L::kSoundPath);
  s.AutoFix = r[L::kAutoFix] != 0;
  s.UseLog = r[L::kUseLog] != 0;
  s.LogPath = GetText(r, L::kLogPath);
  return s;
}

Settings DefaultSettings(const std::string& workingFolder, const std::string& homeFolder) {
  Settings s;
  s.SoundPath = workingFolder + "/alert.wav";
  s.LogPath = (homeFolder == "/" ? std::string() : homeFolder) + "/vostrelund.log";
  return s;
}

std::optional<Settings> ReadSettingsFile(const std::string& path) {
  File file = File::OpenForReading(path);
  if (!file.IsOpen())
    return std::nullopt;
  SettingsRecord record{};
  if (file.ReadFull(record.data(), record.size()) != static_cast<ssize_t>(record.size()))
    return std::nullopt;
  Settings settings = DecodeSettings(record);
  if (settings.SettingsMagic != kSettingsMagic)
    return std::nullopt;
  return settings;
}

bool WriteSettingsFile(const std::string& path, Settings settings) {
  settings.SettingsMagic = kSettingsMagic;
  const SettingsRecord record = EncodeSettings(settings);
  ReplacementFile file;
  return file.Create(path) && file.Stream().WriteAll(record.data(), record.size()) && file.Commit(true);
}

}  // namespace vostrelund
