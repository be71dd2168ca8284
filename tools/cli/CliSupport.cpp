#include "CliCommand.h"

#include <cstdio>

namespace cli {

void PrintOut(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

void PrintError(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fputc('\n', stderr);
}

bool TakeOption(QStringList& args, const QString& name, QString* value)
{
    const qsizetype index = args.indexOf(name);
    if (index < 0) {
        return true;
    }
    if (index + 1 >= args.size()) {
        PrintError(Tr("ticket-cli: %1 needs a value").arg(name));
        return false;
    }
    *value = args.at(index + 1);
    args.remove(index, 2);
    return true;
}

bool TakeFlag(QStringList& args, const QString& name)
{
    return args.removeAll(name) > 0;
}

bool RejectUnknownOptions(const QStringList& args, const char* usage)
{
    for (const QString& arg : args) {
        if (arg.startsWith(QStringLiteral("--"))) {
            PrintError(Tr("ticket-cli: unknown option %1").arg(arg));
            PrintError(Tr("usage: ticket-cli %1").arg(QString::fromUtf8(usage)));
            return false;
        }
    }
    return true;
}

} // namespace cli
