// The program's pictures for the Qt windows: the window icon and the buttons' pictures.
#pragma once

#include <QIcon>

// Read from the icon files in data/artwork (built into the program as Qt
// resources), which the Win32 window uses too, so both windows show the same
// pictures.
QIcon satellite_icon(); // the window icon: a satellite with the letters GPS
QIcon folder_icon();    // the folder button: a yellow folder
QIcon tick_icon();      // RUN and Done: a green tick
QIcon cross_icon();     // Exit: a red cross
