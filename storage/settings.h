#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vostrelund {

inline constexpr uint32_t kSettingsMagic = 0x44000726;

// The options record: 536 bytes on disk, integers little-endian, texts zero-terminated in 260 bytes.
struct Settings {
  uint32_t SettingsMagic = 0;
  uint32_t CheckInterval = 1;  // seconds between timer-driven check passes
  bool CheckDates = true;
  bool CheckData = false;
  bool ShowProgress = false;
  bool PausingEnabled = true;
  bool RunAtStartup = false;
  bool UseSound = true;
  std::string SoundPath;
  bool AutoFix = true;
  bool UseLog = false;
  std::string LogPath;
  friend bool operator==(const Settings&, const Settings&) = default;
};

namespace settings_layout {
inline constexpr size_t kMagic = 0;
inline constexpr size_t kCheckInterval = 4;
inline constexpr size_t kCheckDates = 8;
inline constexpr size_t kCheckData = 9;
inline constexpr size_t kShowProgress = 10;
inline constexpr size_t kPausingEnabled = 11;
inline constexpr size_t kRunAtStartup = 12;
inline constexpr size_t kUseSound = 13;
inline constexpr size_t kSoundPath = 14;
inline constexpr size_t kAutoFix = 274;
inline constexpr size_t kUseLog = 275;
inline constexpr size_t kLogPath = 276;
inline constexpr size_t kTextSize = 260;
inline constexpr size_t kRecordSize = 536;
static_assert(kSoundPath + kTextSize == kAutoFix);
static_assert(kLogPath + kTextSize == kRecordSize);
}  // namespace settings_layout

// The longest text a 260-byte field holds, with its terminating zero.
inline constexpr size_t kMaxSettingsText = settings_layout::kTextSize - 1;

using SettingsRecord = std::array<uint8_t, settings_layout::kRecordSize>;

// Texts longer than the field are cut at 259 bytes; the setup dialog refuses them before they get here.
SettingsRecord EncodeSettings(const Settings& settings);
// A text with no zero in its 260 bytes ends at byte 259.
Settings DecodeSettings(const SettingsRecord& record);

// The settings of a first start: the sound file in the working folder, the log in the home folder.
Settings DefaultSettings(const std::string& workingFolder, const std::string& homeFolder);

// The record in the file, when the file holds at least 536 bytes that begin with the tag.
std::optional<Settings> ReadSettingsFile(const std::string& path);
// Writes the record (tag set) through a temporary file renamed over the old one.
bool WriteSettingsFile(const std::string& path, Settings settings);

}  // namespace vostrelund
