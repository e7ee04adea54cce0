// COM for the window's thread while the object lives: the folder chooser is a COM object that
// needs a single-threaded apartment.
#pragma once

#include <objbase.h>

namespace quill::win32 {

class ComApartment {
public:
    ComApartment() : ok_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (ok_) ::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool ok_;
};

} // namespace quill::win32
