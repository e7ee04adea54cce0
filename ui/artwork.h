#pragma once

#include <QIcon>

// The program's pictures, read from the icon files in data/artwork (built into the program as
// Qt resources), which the Win32 window uses too, so both windows show the same pictures.
QIcon SatelliteIcon(); // the window icon: a satellite with the letters GPS
QIcon FolderIcon();    // the folder button: a yellow folder
QIcon TickIcon();      // RUN and Done: a green tick
QIcon CrossIcon();     // Exit: a red cross
