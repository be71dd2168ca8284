// File > Open Sample: the sample templates installed with the designer,
// opened as new, untitled templates.
#include "app/MainFrame.h"
#include "app/SampleTemplates.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>

namespace app {

void CMainFrame::RebuildSampleMenu()
{
    m_sampleMenu->clear();
    const QList<SampleTemplate> samples = FindSampleTemplates(m_sampleFolders);
    if (samples.isEmpty()) {
        QAction* none =
            m_sampleMenu->addAction(QCoreApplication::translate("app::CMainFrame", "No samples found"));
        none->setEnabled(false);
        return;
    }
    for (const SampleTemplate& sample : samples) {
        QAction* action = m_sampleMenu->addAction(sample.title);
        action->setStatusTip(QCoreApplication::translate("app::CMainFrame", "Start a new template from %1")
                                 .arg(QDir::toNativeSeparators(sample.path)));
        const QString path = sample.path;
        connect(action, &QAction::triggered, this, [this, path] { OpenSample(path); });
    }
}

bool CMainFrame::OpenSample(const QString& path)
{
    return OpenTemplateFile(path, OpenAs::Sample);
}

} // namespace app
