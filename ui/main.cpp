#include <QApplication>

#include "ui/help_window.h"
#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Quillstrom"));
    app.setApplicationVersion(QStringLiteral(QUILL_VERSION));

    QStringList parameters = QApplication::arguments();
    parameters.removeFirst();
    TfrmMain frmMain(parameters);
    TfrmHelp frmHelp(&frmMain);
    frmMain.SetHelpWindow(&frmHelp);

    frmMain.show();
    const int status = app.exec();
    return status != 0 ? status : frmMain.ExitStatus();
}
