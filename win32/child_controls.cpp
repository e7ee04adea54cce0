// The Win32 class and styles of each kind of control in the tables.
#include "win32/child_controls.h"

#include <commctrl.h>

#include "app/wide_text.h"
#include "win32/dpi_sizes.h"

namespace quill::win32 {

namespace {

using window::ControlKind;

const wchar_t* class_of(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
    case ControlKind::Bevel: return L"STATIC";
    case ControlKind::TextField: return L"EDIT";
    case ControlKind::List: return L"LISTBOX";
    case ControlKind::StatusBar: return STATUSCLASSNAMEW;
    case ControlKind::PictureButton:
    case ControlKind::Button:
    case ControlKind::DefaultButton:
    case ControlKind::GroupBox:
    case ControlKind::CheckBox: return L"BUTTON";
    }
    return L"STATIC";
}

DWORD style_of(const window::ControlLook& look) {
    switch (look.kind) {
    case ControlKind::Label: return SS_NOPREFIX | (look.wraps ? SS_LEFT : SS_LEFTNOWORDWRAP);
    case ControlKind::Bevel: return SS_SUNKEN;
    case ControlKind::TextField: return WS_TABSTOP | ES_AUTOHSCROLL;
    case ControlKind::List: return WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT;
    case ControlKind::StatusBar: return SBARS_TOOLTIPS;
    case ControlKind::PictureButton: return BS_PUSHBUTTON | BS_ICON | BS_FLAT;
    case ControlKind::Button: return WS_TABSTOP | BS_PUSHBUTTON;
    case ControlKind::DefaultButton: return WS_TABSTOP | BS_DEFPUSHBUTTON;
    case ControlKind::GroupBox: return BS_GROUPBOX;
    case ControlKind::CheckBox: return WS_TABSTOP | BS_AUTOCHECKBOX;
    }
    return 0;
}

DWORD extended_style_of(ControlKind kind) {
    return kind == ControlKind::TextField || kind == ControlKind::List ? WS_EX_CLIENTEDGE : 0;
}

} // namespace

HWND make_child(HWND parent, const window::ControlLook& look, int id) {
    return ::CreateWindowExW(
        extended_style_of(look.kind), class_of(look.kind), to_wide(look.text).c_str(),
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style_of(look), 0, 0, 0, 0, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
}

void lay_out_child(HWND child, const window::Rect& place, UINT dpi, HFONT font, HICON picture) {
    ::MoveWindow(child, scaled(place.left, dpi), scaled(place.top, dpi), scaled(place.width, dpi),
                 scaled(place.height, dpi), FALSE);
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (picture) ::SendMessageW(child, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(picture));
}

} // namespace quill::win32
