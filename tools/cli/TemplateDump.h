#pragma once

#include <QJsonObject>
#include <QStringList>

namespace document {
class CDesignerDoc;
}

namespace cli {

// Everything a script may want to know about an opened template, as the
// designer sees it after showing it: the form's settings and measures,
// every element in child order, the archive's entries, and why the file
// opened as an empty form if it did.
QJsonObject DumpTemplate(const document::CDesignerDoc& doc);

// The same facts as readable lines.
QStringList DescribeTemplate(const QJsonObject& dump);

} // namespace cli
