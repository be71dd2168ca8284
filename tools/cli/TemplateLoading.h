#pragma once

#include <QDateTime>
#include <QString>

namespace document {
class CDesignerDoc;
}
namespace device {
class BufferList;
}

namespace cli {

// Opens a template and shows it as the designer's view would (attached and
// sized), so that what is dumped, rendered or sent is what the user sees.
// A file that opens as an empty form is reported on standard error. Returns
// kExitOk or kExitCannotOpen (with the message printed).
int OpenTemplate(const QString& path, document::CDesignerDoc& doc);

// "YYYY-MM-DD HH:MM:SS" as local time; empty means now. False, with the
// message printed, for anything else.
bool ParseClockArgument(const QString& at, QDateTime* when);

// Writes the size of every buffer, one decimal number a line, in order, to
// a file or to standard output ("-").
bool WriteBufferSizes(const device::BufferList& list, const QString& path);

} // namespace cli
