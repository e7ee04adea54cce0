// The Qt program: the version when asked for it, otherwise the main window until it closes,
// ending with the status it leaves.
#include <QApplication>
#include <iostream>

#include "app/command_line.h"
#include "app/platform.h"

#include "qt/main_window.h"

int main(int argc, char* argv[]) {
    if (quill::asks_for_version(quill::program_arguments(argc, argv))) {
        std::cout << "quillstrom " << QUILL_VERSION << std::endl;
        return 0;
    }
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Quillstrom"));
    app.setApplicationVersion(QStringLiteral(QUILL_VERSION));

    QStringList parameters = QApplication::arguments();
    parameters.removeFirst();
    MainWindow window(parameters);
    window.show();
    const int status = app.exec();
    return status != 0 ? status : window.exitStatus();
}
