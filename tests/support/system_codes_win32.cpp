// The Win32 error codes behind each of the program's file error texts.
#include "support/system_codes.h"

#include <windows.h>

#include "app/wide_text.h"

namespace quill::test {

std::vector<long> system_codes(IoFailure failure) {
    switch (failure) {
    case IoFailure::NotFound: return {ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND};
    case IoFailure::InvalidName:
        return {ERROR_INVALID_NAME, ERROR_BAD_PATHNAME, ERROR_FILENAME_EXCED_RANGE,
                ERROR_DIRECTORY};
    case IoFailure::TooManyOpenFiles: return {ERROR_TOO_MANY_OPEN_FILES};
    case IoFailure::AccessDenied: return {ERROR_ACCESS_DENIED, ERROR_WRITE_PROTECT};
    case IoFailure::DiskFull: return {ERROR_DISK_FULL, ERROR_HANDLE_DISK_FULL};
    case IoFailure::InUse: return {ERROR_SHARING_VIOLATION, ERROR_LOCK_VIOLATION};
    }
    return {};
}

long unnamed_system_code() { return ERROR_NOT_READY; }

std::string system_description(long code) {
    wchar_t text[512] = {};
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                         static_cast<DWORD>(code), 0, text, 512, nullptr);
    return to_utf8({text, length});
}

} // namespace quill::test
