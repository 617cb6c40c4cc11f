#pragma once

#include <QIcon>
#include <QPixmap>

// The Z mark in the sizes the desktop installs (48, 128 and 256 px), so that
// a window manager picks a size instead of scaling one up.
QIcon ZentaroIcon();

// One of our own PNG pictures (null when it cannot be read). Read as PNG
// outright: left to guess, the image reader first loads every image format
// plugin to ask it about the file, which costs the start-up milliseconds and
// memory for formats we never use.
QPixmap LoadPngPicture(const QString& path);
