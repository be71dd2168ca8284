#include "app/SampleTemplates.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <iterator>

namespace app {

namespace {

// The samples we ship, in menu order, by file name without ".vt".
struct KnownSample
{
    const char* name;
    const char* title;
};

constexpr KnownSample kKnownSamples[] = {
    {"bank-80mm", QT_TRANSLATE_NOOP("app::SampleTemplates", "Bank, 80 mm, Chinese and English")},
    {"clinic-58mm", QT_TRANSLATE_NOOP("app::SampleTemplates", "Clinic, 58 mm")},
    {"gov-service-hall",
     QT_TRANSLATE_NOOP("app::SampleTemplates", "Government service hall, 80 mm, Chinese")},
    {"minimal-58mm", QT_TRANSLATE_NOOP("app::SampleTemplates", "Minimal ticket, 58 mm")},
};

// A folder holding more files than this is not our sample folder; listing
// stops there rather than filling the menu.
constexpr qsizetype kMaxSamples = 50;

int KnownIndex(const QString& baseName)
{
    for (int i = 0; i < int(std::size(kKnownSamples)); ++i) {
        if (baseName == QLatin1String(kKnownSamples[i].name)) {
            return i;
        }
    }
    return -1;
}

} // namespace

QStringList SampleFolders()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    QStringList folders{
        QDir(programDir).filePath(QStringLiteral("samples")),
        QDir::cleanPath(QDir(programDir).filePath(QStringLiteral(TICKET_SAMPLES_FROM_PROGRAM)))};
    folders << QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                         QStringLiteral("ticket-designer/samples"),
                                         QStandardPaths::LocateDirectory);
    return folders;
}

QList<SampleTemplate> FindSampleTemplates(const QStringList& folders)
{
    QList<QFileInfo> files;
    QSet<QString> names;
    for (const QString& folder : folders) {
        const QFileInfoList found =
            QDir(folder).entryInfoList({QStringLiteral("*.vt")}, QDir::Files | QDir::Readable, QDir::Name);
        for (const QFileInfo& file : found) {
            if (files.size() >= kMaxSamples) {
                break;
            }
            if (!names.contains(file.fileName())) {
                names.insert(file.fileName());
                files << file;
            }
        }
    }
    // Ours first in their order, then the rest by name.
    std::stable_sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const int ka = KnownIndex(a.completeBaseName());
        const int kb = KnownIndex(b.completeBaseName());
        if ((ka >= 0) != (kb >= 0)) {
            return ka >= 0;
        }
        return ka >= 0 ? ka < kb : a.fileName() < b.fileName();
    });
    QList<SampleTemplate> samples;
    for (const QFileInfo& file : files) {
        const int known = KnownIndex(file.completeBaseName());
        const QString title =
            known >= 0 ? QCoreApplication::translate("app::SampleTemplates", kKnownSamples[known].title)
                       : file.completeBaseName();
        samples.append({title, file.absoluteFilePath()});
    }
    return samples;
}

} // namespace app
