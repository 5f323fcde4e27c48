#include "RunTimeError.h"

#include <cerrno>

namespace zevo {

std::string ErrnoText(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
        return "File not found";
    case ENOTDIR:
    case EINVAL:
    case ENAMETOOLONG:
    case EILSEQ:
        return "Invalid filename";
    case EMFILE:
    case ENFILE:
        return "Too many open files";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return "File access denied";
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return "Disk full";
    default:
        return "I/O error " + std::to_string(errorNumber);
    }
}

void ThrowErrno(int errorNumber) {
    throw RunTimeError(ErrnoText(errorNumber));
}

void ThrowInvalidInteger(const std::string& text) {
    throw RunTimeError("'" + text + "' is not a valid integer value");
}

std::string ErrorBoxText(const std::string& text) {
    if (!text.empty() && text.back() == '.')
        return text;
    return text + ".";
}

} // namespace zevo
