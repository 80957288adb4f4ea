#pragma once

#include <cstddef>
#include <string>
#include <vector>

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

enum class MessageIcon { Error, Question };

// Message boxes, questions and file choosers: every modal dialog the core opens.
class DialogView {
 public:
  virtual ~DialogView() = default;
  // A modal message box with an OK button and the error icon.
  virtual void ShowError(const std::string& text, const std::string& caption) = 0;
  // A modal question with Yes and No; true for Yes.
  virtual bool AskYesNo(const std::string& text, const std::string& caption, MessageIcon icon,
                        bool yesIsDefault) = 0;
  // Several existing files, as full paths; empty when the user cancels.
  virtual std::vector<std::string> ChooseFiles(const std::string& title, const std::string& filter) = 0;
  // One folder of the file system, without a trailing separator but for the root; empty on cancel.
  virtual std::string ChooseFolder(const std::string& title) = 0;
};

// The main window's one-second timer. Starting a running timer changes nothing; starting a stopped one
// begins a fresh period.
class TimerView {
 public:
  virtual ~TimerView() = default;
  virtual void Start() = 0;
  virtual void Stop() = 0;
  virtual bool IsActive() const = 0;
};

// The configuration window, beyond its status bar.
class ConfigWindowView {
 public:
  virtual ~ConfigWindowView() = default;
  // Whether it takes user input.
  virtual void SetEnabled(bool enabled) = 0;
  virtual void SetBusyCursor(bool busy) = 0;
  // Paint now: an operation that works through the list processes no events.
  virtual void Repaint() = 0;
  // The rows changed as a whole (rows added, removed or reloaded); the file icons are looked up again.
  virtual void RefreshFileIcons() = 0;
  // The selected rows, ascending.
  virtual std::vector<size_t> SelectedRows() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetViewLogEnabled(bool enabled) = 0;
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
