#include "TemplateLoading.h"

#include "CliCommand.h"
#include "OutputFile.h"

#include "device/BufferList.h"
#include "document/DesignerDoc.h"

namespace cli {

int OpenTemplate(const QString& path, document::CDesignerDoc& doc)
{
    if (!doc.OnOpenDocument(path)) {
        PrintError(CliText::tr("ticket-cli: %1").arg(doc.LastError()));
        return kExitCannotOpen;
    }
    for (const QString& warning : doc.OpenWarnings()) {
        PrintError(CliText::tr("ticket-cli: warning: %1 opens as an empty form: %2").arg(path, warning));
    }
    document::ShowAsDesignView(doc);
    return kExitOk;
}

bool ParseClockArgument(const QString& at, QDateTime* when)
{
    if (at.isEmpty()) {
        *when = QDateTime::currentDateTime();
        return true;
    }
    *when = QDateTime::fromString(at, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!when->isValid()) {
        PrintError(CliText::tr("ticket-cli: --at needs \"YYYY-MM-DD HH:MM:SS\", not \"%1\"").arg(at));
        return false;
    }
    return true;
}

bool WriteBufferSizes(const device::BufferList& list, const QString& path)
{
    QByteArray text;
    for (uint32_t size : list.BufferSizes()) {
        text += QByteArray::number(size) + '\n';
    }
    return WriteOutput(path, text);
}

} // namespace cli
