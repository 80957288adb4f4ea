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

// The setup dialog's group boxes, and its play button.
enum class GroupPictureKind { FileDates, Checksum, Actions, Sound, Play };
QPixmap GroupPicture(GroupPictureKind kind);

// 364 x 306: the product's artwork for the about box and the splash screen, with the maker's name and
// the product's name.
QPixmap ProductArtwork();

}  // namespace vostrelund
