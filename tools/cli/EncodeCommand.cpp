// "encode": the bytes a transaction sends, written to a file instead of the
// printer, with the write boundaries the printer will see.
#include "CliCommand.h"
#include "CommandLine.h"
#include "OutputFile.h"
#include "TemplateLoading.h"

#include "device/ClockTransaction.h"
#include "device/UploadEncoder.h"
#include "document/DesignerDoc.h"

namespace cli {

namespace {
int WriteTransaction(const device::BufferList& list, const QString& out, const QString& sizesPath)
{
    const std::vector<uint8_t> bytes = list.Concatenate();
    if (!WriteOutput(out, QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())))) {
        return kExitWriteFailed;
    }
    if (!sizesPath.isEmpty() && !WriteBufferSizes(list, sizesPath)) {
        return kExitWriteFailed;
    }
    return kExitOk;
}
} // namespace

int RunEncode(const CliCommand& command, const QStringList& arguments)
{
    CommandLine line(command);
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    CliText::tr("Write the bytes to <file> (\"-\": standard output)."),
                                    QStringLiteral("file"));
    const QCommandLineOption sizes(QStringLiteral("buffer-sizes"),
                                   CliText::tr("Also write the size of every write to <file>, one a line."),
                                   QStringLiteral("file"));
    const QCommandLineOption at(QStringLiteral("at"),
                                CliText::tr("The clock's local time, \"YYYY-MM-DD HH:MM:SS\" (clock only; "
                                            "default: now)."),
                                QStringLiteral("time"));
    line.AddOption(output);
    line.AddOption(sizes);
    line.AddOption(at);
    line.AddOperand(QStringLiteral("KIND"), CliText::tr("upload, print or clock."));
    line.AddOperand(QStringLiteral("TEMPLATE.vt"), CliText::tr("The template (upload and print only)."));
    if (const auto done = line.Parse(arguments, 1, 2)) {
        return *done;
    }
    const QString out = line.Value(output);
    const QString sizesPath = line.Value(sizes);
    if (out.isEmpty()) {
        return line.UsageError(CliText::tr("-o FILE is missing"));
    }
    if (IsStandardOutput(out) && IsStandardOutput(sizesPath)) {
        return line.UsageError(CliText::tr("only one of -o and --buffer-sizes can be standard output"));
    }
    const QStringList operands = line.Operands();
    const QString kind = operands.first();
    if (kind == u"clock") {
        if (operands.size() != 1) {
            return line.UsageError(CliText::tr("clock takes no template"));
        }
        QDateTime when;
        if (!ParseClockArgument(line.Value(at), &when)) {
            return kExitUsage;
        }
        return WriteTransaction(device::BuildClockTransaction(device::ToLocalDateTime(when)), out, sizesPath);
    }
    if (kind != u"upload" && kind != u"print") {
        return line.UsageError(CliText::tr("unknown transaction %1").arg(kind));
    }
    if (operands.size() != 2) {
        return line.UsageError(CliText::tr("%1 is missing").arg(QStringLiteral("TEMPLATE.vt")));
    }
    if (line.IsSet(at)) {
        return line.UsageError(CliText::tr("--at is for clock only"));
    }
    document::CDesignerDoc doc;
    if (const int opened = OpenTemplate(operands.at(1), doc); opened != kExitOk) {
        return opened;
    }
    const device::BufferList list = kind == u"upload" ? device::EncodeTemplateUpload(*doc.GetForm())
                                                      : device::EncodePrintPage(*doc.GetForm());
    return WriteTransaction(list, out, sizesPath);
}

} // namespace cli
