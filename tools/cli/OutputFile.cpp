#include "OutputFile.h"

#include "CliCommand.h"

#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace cli {

bool IsStandardOutput(const QString& path)
{
    return path == u"-";
}

bool WriteOutput(const QString& path, const QByteArray& bytes)
{
    if (IsStandardOutput(path)) {
        errno = 0;
        const bool written = std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) ==
                                 std::size_t(bytes.size()) &&
                             std::fflush(stdout) == 0;
        if (!written) {
            PrintError(
                CliText::tr("ticket-cli: cannot write %1: %2")
                    .arg(CliText::tr("standard output"), QString::fromLocal8Bit(std::strerror(errno))));
        }
        return written;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        PrintError(CliText::tr("ticket-cli: cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

} // namespace cli
