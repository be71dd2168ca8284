#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace app {

// One sample template the designer offers under File > Open Sample.
struct SampleTemplate
{
    QString title; // for the menu, in the user-interface language
    QString path;  // the .vt file
};

// Where the samples installed with the program are, first found first: next
// to the program (the build tree), the data folder relative to the program
// (wherever the installation was moved), then the desktop's data folders.
QStringList SampleFolders();

// The samples in these folders: ours in a fixed order under readable titles,
// then any other templates by file name. A file name found in an earlier
// folder hides the same name in later ones.
QList<SampleTemplate> FindSampleTemplates(const QStringList& folders);

} // namespace app
