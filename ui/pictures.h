#pragma once

#include <QIcon>
#include <QPixmap>

namespace vostrelund {

// The program's pictures, drawn here rather than shipped as files.

// The tray icon's two images: 0 a magnifying glass over a page, 1 the same under a red no-entry sign.
QIcon TrayImage(int index);

enum class ToolPicture { AddFolder, AddFiles, Remove, BackupNow, TimerSetup, CheckFix, StopExit };
QIcon ToolImage(ToolPicture picture);

// 44 x 32: a magnifying glass over a folder of papers (check window); two folders with a green arrow
// from one to the other (backup window).
QPixmap CheckPicture();
QPixmap BackupPicture();
// 41 x 32: a startled cartoon face (alert dialog).
QPixmap StartledFace();

}  // namespace vostrelund
