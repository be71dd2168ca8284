#pragma once

#include <QByteArray>
#include <QString>

namespace cli {

// "-" in place of an output file name: the output goes to standard output.
bool IsStandardOutput(const QString& path);

// Writes one output: to standard output for "-", otherwise to the file,
// which is replaced only once everything is written. False, with
// "ticket-cli: cannot write ..." printed, when it could not be written.
bool WriteOutput(const QString& path, const QByteArray& bytes);

} // namespace cli
