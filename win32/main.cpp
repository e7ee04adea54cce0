// The Win32 program: the version when asked for it, otherwise the main window until it closes,
// ending with the status it leaves.
#include <windows.h>
#include <commctrl.h>

#include <iostream>

#include "app/command_line.h"
#include "app/platform.h"
#include "win32/com_apartment.h"
#include "win32/main_window.h"

// A long run keeps the window busy on purpose: it is not to be replaced by a
// "Not responding" ghost meanwhile.
int main(int argc, char* argv[]) {
    const std::vector<std::string> parameters = quill::program_arguments(argc, argv);
    if (quill::asks_for_version(parameters)) {
        std::cout << "quillstrom " << QUILL_VERSION << std::endl;
        return 0;
    }
    ::DisableProcessWindowsGhosting();
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    const quill::win32::ComApartment com;
    quill::win32::MainWindow window(parameters);
    window.show();
    return window.run_until_closed();
}
