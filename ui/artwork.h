#pragma once

#include <QIcon>

// The program's pictures, drawn at run time so no image files are needed.
QIcon SatelliteIcon(); // the window icon: a satellite with the letters GPS
QIcon FolderIcon();    // the folder button: a yellow folder
QIcon TickIcon();      // RUN and Done: a green tick
QIcon CrossIcon();     // Exit: a red cross
