// What the X server and its window manager say of a Qt window: its properties, and when it is
// framed.
#pragma once

#include <QStringList>
#include <QWidget>

namespace quill::test {

// True when the windows are on an X server, where a window manager frames them.
bool on_x11();

// Names of the atoms in an atom list property of the window, e.g. what the
// window manager allows the user to do with it (_NET_WM_ALLOWED_ACTIONS).
QStringList atom_names(const QWidget& window, const char* property);

// Lets the event loop run until the window manager has framed the shown
// window and said what it allows, then a little longer for the window to
// settle and paint. False if that does not happen in time.
bool wait_until_managed(const QWidget& window);

} // namespace quill::test
