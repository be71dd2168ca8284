#include "RuntimeFolder.h"

#include <cerrno>

#include <sys/stat.h>

namespace cli {

QByteArray PrivateRuntimeFolder(const QByteArray& tempDir, uid_t uid)
{
    const QByteArray path = tempDir + "/runtime-" + QByteArray::number(uid);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        return {};
    }
    // lstat, so that a link is seen as a link and never followed.
    struct stat info = {};
    if (::lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != uid ||
        (info.st_mode & 07777) != 0700) {
        return {};
    }
    return path;
}

} // namespace cli
