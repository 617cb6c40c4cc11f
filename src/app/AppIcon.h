#pragma once

#include <QIcon>

// The Z mark in the sizes the desktop installs (48, 128 and 256 px), so that
// a window manager picks a size instead of scaling one up.
QIcon ZentaroIcon();
