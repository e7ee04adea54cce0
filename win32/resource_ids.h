// The ids of the pictures in the Windows resources (resources.rc); the first is the program's
// own icon, which Explorer shows.
#pragma once

#define QUILL_ICON_SATELLITE 1
#define QUILL_ICON_FOLDER 2
#define QUILL_ICON_TICK 3
#define QUILL_ICON_CROSS 4
