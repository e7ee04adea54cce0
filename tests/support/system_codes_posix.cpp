// The errno values behind each of the program's file error texts.
#include "support/system_codes.h"

#include <cerrno>
#include <cstring>

namespace quill::test {

std::vector<long> system_codes(IoFailure failure) {
    switch (failure) {
    case IoFailure::NotFound: return {ENOENT};
    case IoFailure::InvalidName: return {ENAMETOOLONG, ENOTDIR, EINVAL};
    case IoFailure::TooManyOpenFiles: return {EMFILE, ENFILE};
    case IoFailure::AccessDenied: return {EACCES, EPERM, EROFS, EISDIR};
    case IoFailure::DiskFull: return {ENOSPC, EDQUOT};
    case IoFailure::InUse: return {ETXTBSY};
    }
    return {};
}

long unnamed_system_code() { return EIO; }

std::string system_description(long code) { return std::strerror(static_cast<int>(code)); }

} // namespace quill::test
