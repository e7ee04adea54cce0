#include <windows.h>
#include <commctrl.h>

#include "app/platform.h"
#include "win32/com_apartment.h"
#include "win32/main_window.h"

// A long run keeps the window busy on purpose: it is not to be replaced by a
// "Not responding" ghost meanwhile.
int main(int argc, char* argv[]) {
    ::DisableProcessWindowsGhosting();
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    const quill::win32::ComApartment com;
    quill::win32::MainWindow window(quill::program_arguments(argc, argv));
    window.show();
    return window.run_until_closed();
}
