#pragma once

#include <QString>

namespace document {
class CDesignerDoc;
}

namespace bench {

// The element counts every scaling benchmark runs at.
inline constexpr int kTemplateSizes[] = {10, 100, 1000, 5000};

// Fills a new document with count elements on an 80 mm ticket, the way the
// designer would: mostly texts in three fonts, shapes of every kind, small
// pictures imported into the archive, and the four dynamic fields once.
// The same count always gives the same template. picturesDir receives the
// PNGs that are imported.
void FillTemplate(document::CDesignerDoc& doc, int count, const QString& picturesDir);

// Writes the template of count elements to dir/bench-<count>.vt (once per
// process and folder) and returns its path; empty when it could not be saved.
QString TemplatePath(int count, const QString& dir);

// A folder under the system's temporary folder that lives as long as the
// process; the templates of one run go there.
QString WorkDir();

} // namespace bench
