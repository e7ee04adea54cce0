#include <QApplication>

#include "ui/help_window.h"
#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Quillstrom"));
    app.setApplicationVersion(QStringLiteral(QUILL_VERSION));

    QStringList parameters = QApplication::arguments();
    parameters.removeFirst();
    MainWindow window(parameters);
    HelpWindow help(&window);
    window.setHelpWindow(&help);

    window.show();
    const int status = app.exec();
    return status != 0 ? status : window.exitStatus();
}
