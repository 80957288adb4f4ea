#pragma once

#include <QIcon>

namespace vostrelund {

// The tray icon's two images: 0 while checking, 1 while paused.
QIcon TrayImage(int index);

}  // namespace vostrelund
