// The pictures read from the Qt resources built into the program.
#include "qt/artwork.h"

#include <QString>

// The resources live in the static quillqt library, whose registration code the linker would
// drop because nothing refers to it; initialising them by hand keeps the pictures in the program.
static void init_artwork_resources() { Q_INIT_RESOURCE(artwork); }

namespace {

QIcon from_resource(const char* name) {
    static const bool initialised = (init_artwork_resources(), true);
    (void)initialised;
    return QIcon(QStringLiteral(":/artwork/") + QLatin1String(name) + QStringLiteral(".ico"));
}

} // namespace

QIcon satellite_icon() { return from_resource("satellite"); }
QIcon folder_icon() { return from_resource("folder"); }
QIcon tick_icon() { return from_resource("tick"); }
QIcon cross_icon() { return from_resource("cross"); }
