#pragma once

#include <string>

#include "storage/views.h"

namespace vostrelund {

// One of the three progress windows (check, backup, fix): a line naming the file at work and a bar from
// 0 to 100. Every text and position is set; the window decides how often it paints.
class ProgressView {
 public:
  virtual ~ProgressView() = default;
  virtual void SetStatus(const std::string& text) = 0;
  virtual void SetProgress(int percent) = 0;
  virtual void Show() = 0;
  virtual void Close() = 0;
  virtual void Repaint() = 0;
  virtual bool IsVisible() const = 0;
};

// The alert dialog's controls. Its behaviour lives in AlertDialog.
class AlertDialogView {
 public:
  virtual ~AlertDialogView() = default;
  virtual void SetFixCaption(const std::string& caption) = 0;
  virtual void SetIgnoreCaption(const std::string& caption) = 0;
  virtual void SetFixEnabled(bool enabled) = 0;
  virtual void SetIgnoreEnabled(bool enabled) = 0;
  virtual void SetPauseEnabled(bool enabled) = 0;
  virtual void ClearRows() = 0;
  virtual void AddRow(const std::string& path, const std::string& alert) = 0;
  // Shows the dialog, not modal, on top and active; placed below the check window when that one shows.
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual bool IsVisible() const = 0;
  virtual void StartTimer() = 0;  // the 100 ms countdown timer
  virtual void StopTimer() = 0;
  virtual void Repaint() = 0;
  // Plays a sound file once, asynchronously; silent when it cannot be played.
  virtual void PlaySound(const std::string& path) = 0;
};

// The hidden main window: its tray icon, the two "&Pause" menu items, and closing it (which ends the
// program).
class MainWindowView {
 public:
  virtual ~MainWindowView() = default;
  virtual void SetTrayImage(int index) = 0;
  // The check mark of both "&Pause" items, the tray menu's and the configuration window's.
  virtual void SetPauseChecked(bool checked) = 0;
  virtual void SetPauseEnabled(bool enabled) = 0;
  virtual void Close() = 0;
};

}  // namespace vostrelund
