// The message box by its kind, and the folder chooser through the shell's file dialog.
#include "win32/dialogs.h"

#include <shobjidl.h>

#include <memory>

#include "app/wide_text.h"
#include "window/texts.h"

namespace quill::win32 {

namespace {

UINT icon_of(window::MessageKind kind) {
    switch (kind) {
    case window::MessageKind::Plain: return 0;
    case window::MessageKind::Information: return MB_ICONINFORMATION;
    case window::MessageKind::Warning: return MB_ICONWARNING;
    case window::MessageKind::Error: return MB_ICONERROR;
    }
    return 0;
}

struct Release {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface>
using ComPointer = std::unique_ptr<Interface, Release>;

struct FreeText {
    void operator()(wchar_t* text) const { ::CoTaskMemFree(text); }
};

} // namespace

void show_message_box(HWND owner, window::MessageKind kind, const std::string& text) {
    ::MessageBoxW(owner, to_wide(text).c_str(), to_wide(window::kApplicationName).c_str(),
                  MB_OK | icon_of(kind));
}

std::optional<std::string> choose_folder(HWND owner, const std::string& title) {
    IFileOpenDialog* made = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_PPV_ARGS(&made))))
        return std::nullopt;
    const ComPointer<IFileOpenDialog> dialog(made);
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    dialog->SetTitle(to_wide(title).c_str());
    if (dialog->Show(owner) != S_OK) return std::nullopt;
    IShellItem* chosen = nullptr;
    if (FAILED(dialog->GetResult(&chosen))) return std::nullopt;
    const ComPointer<IShellItem> item(chosen);
    wchar_t* path = nullptr;
    if (FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &path))) return std::nullopt;
    const std::unique_ptr<wchar_t, FreeText> owned(path);
    return to_utf8(path);
}

} // namespace quill::win32
