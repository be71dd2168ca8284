// File > Open Sample: the sample templates installed with the designer,
// opened as new, untitled templates.
#include "app/CommandTable.h"
#include "app/FramePrompts.h"
#include "app/MainFrame.h"
#include "app/SampleTemplates.h"
#include "document/DesignerDoc.h"
#include "platform/Logger.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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
    if (!SaveModified()) {
        return false;
    }
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    if (!m_document.OnOpenDocument(fullPath)) {
        QString text = QCoreApplication::translate("app::CMainFrame", "The sample %1 cannot be opened.")
                           .arg(QDir::toNativeSeparators(fullPath));
        if (!m_document.LastError().isEmpty()) {
            text += QLatin1Char('\n') + m_document.LastError();
        }
        m_prompts->Warn(this, text);
        return false;
    }
    // A sample is where a template starts, not a file to edit: without a
    // name, Save asks where the new template goes and the installed sample
    // stays as shipped. It stays out of the recent files for the same reason.
    m_document.SetModifiedFlag(false);
    m_document.SetPathName(QString());
    m_untitledName = QFileInfo(fullPath).fileName();
    m_commands->UpdateAll();
    const QStringList warnings = m_document.OpenWarnings();
    if (!warnings.isEmpty()) {
        TICKET_LOG(platform::Warning) << "Sample opened as an empty form: " << platform::Utf8(fullPath)
                                      << ": " << platform::Utf8(warnings.join(QStringLiteral("; ")));
        m_prompts->Warn(this, QCoreApplication::translate(
                                  "app::CMainFrame",
                                  "The sample %1 could not be read, so it opens as an empty form.\n\n%2")
                                  .arg(QDir::toNativeSeparators(fullPath), warnings.join(QLatin1Char('\n'))));
    }
    return true;
}

} // namespace app
