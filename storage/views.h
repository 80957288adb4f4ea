#pragma once

#include <string>

namespace vostrelund {

// The windows, as the core sees them. The Qt windows implement these; tests implement them with
// recording fakes, so that nothing modal ever opens in a test.

enum StatusPanel { kFileCountPanel = 0, kStatusPanel = 1, kActivityPanel = 2 };

// The configuration window's status bar.
class StatusView {
 public:
  virtual ~StatusView() = default;
  virtual void SetStatusText(StatusPanel panel, const std::string& text) = 0;
};

// Message boxes.
class DialogView {
 public:
  virtual ~DialogView() = default;
  // A modal message box with an OK button and the error icon.
  virtual void ShowError(const std::string& text, const std::string& caption) = 0;
};

// Told when the settings come into force, so that the windows follow them.
class SettingsListener {
 public:
  virtual ~SettingsListener() = default;
  // After every load: the pause state is applied again and "View log" follows UseLog.
  virtual void SettingsLoaded() = 0;
  // After every save: both pause menu items follow PausingEnabled.
  virtual void SettingsSaved() = 0;
};

}  // namespace vostrelund
