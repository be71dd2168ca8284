// The file commands of the main frame: new, open, save, save as, exit,
// the recent files and files dropped on the window.
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/FramePrompts.h"
#include "app/MainFrame.h"
#include "document/DesignerDoc.h"
#include "platform/Logger.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTimer>

namespace app {

namespace {

const QString kRecentGroup = QStringLiteral("Recent File List");
constexpr int kRecentCount = 2;

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The first local file among dropped URLs.
QString DroppedFile(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls()) {
        return {};
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return {};
}

} // namespace

void CMainFrame::InstallFileHandlers()
{
    CommandTable& c = *m_commands;
    c.SetHandler(ID_FILE_NEW, [this] { NewDocument(); });
    c.SetHandler(ID_FILE_OPEN, [this] {
        const QString folder = QFileInfo(m_document.GetPathName()).absolutePath();
        const QString path =
            m_prompts->ChooseOpenPath(this, m_document.GetPathName().isEmpty() ? QString() : folder);
        if (!path.isEmpty()) {
            OpenDocumentFile(path);
        }
    });
    c.SetHandler(ID_FILE_SAVE, [this] { SaveDocument(); });
    c.SetUpdateRule(ID_FILE_SAVE, [this] { return CommandState{m_document.IsModified(), false}; });
    c.SetHandler(ID_FILE_SAVE_AS, [this] { SaveDocumentAs(); });
    c.SetHandler(ID_APP_EXIT, [this] { close(); });

    m_recentSeparator = m_fileMenu->insertSeparator(m_commands->Action(ID_APP_EXIT));
    QSettings settings;
    for (int i = 1; i <= kRecentCount; ++i) {
        const QString path = settings.value(kRecentGroup + QStringLiteral("/File%1").arg(i)).toString();
        if (!path.isEmpty()) {
            m_recentFiles.append(path);
        }
    }
    RebuildRecentMenu();
}

QString CMainFrame::DocumentName() const
{
    const QString path = m_document.GetPathName();
    return path.isEmpty() ? QCoreApplication::translate("app::CMainFrame", "Vantro Design template")
                          : QFileInfo(path).fileName();
}

void CMainFrame::UpdateWindowTitle()
{
    // The template's file name and the desktop's usual mark for unsaved
    // changes, then the program.
    const QString path = m_document.GetPathName();
    const QString name = path.isEmpty() ? QCoreApplication::translate("app::CMainFrame", "Untitled")
                                        : QFileInfo(path).fileName();
    setWindowTitle(name + QStringLiteral("[*] - ") +
                   QCoreApplication::translate("app::CMainFrame", "Vantro  Number  Print  Software"));
}

bool CMainFrame::SaveModified()
{
    if (!m_document.IsModified()) {
        return true;
    }
    switch (m_prompts->AskToSave(this, DocumentName())) {
    case FramePrompts::SaveChoice::Save:
        return SaveDocument();
    case FramePrompts::SaveChoice::Discard:
        return true;
    case FramePrompts::SaveChoice::Cancel:
        break;
    }
    return false;
}

bool CMainFrame::NewDocument()
{
    if (!SaveModified()) {
        return false;
    }
    if (!m_document.OnNewDocument()) {
        m_prompts->Warn(
            this, QCoreApplication::translate("app::CMainFrame", "A new template could not be created."));
        return false;
    }
    m_document.SetPathName(QString());
    m_document.SetModifiedFlag(false);
    m_untitledName.clear();
    UpdateWindowTitle();
    m_commands->UpdateAll();
    return true;
}

bool CMainFrame::OpenDocumentFile(const QString& path)
{
    return OpenTemplateFile(path, OpenAs::File);
}

bool CMainFrame::OpenTemplateFile(const QString& path, OpenAs as)
{
    if (!SaveModified()) {
        return false;
    }
    const bool sample = as == OpenAs::Sample;
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    if (!m_document.OnOpenDocument(fullPath)) {
        QString text = sample ? QCoreApplication::translate("app::CMainFrame", "The sample %1 cannot be opened.")
                              : QCoreApplication::translate("app::CMainFrame", "The file %1 cannot be opened.");
        text = text.arg(Native(fullPath));
        if (!m_document.LastError().isEmpty()) {
            text += QLatin1Char('\n') + m_document.LastError();
        }
        if (!sample) {
            RemoveRecentFile(fullPath);
        }
        m_prompts->Warn(this, text);
        return false;
    }
    m_document.SetModifiedFlag(false);
    // A sample is where a template starts, not a file to edit: Save asks
    // where the new template goes (suggesting the sample's name) and the
    // installed sample stays as shipped, out of the recent files.
    m_untitledName = sample ? QFileInfo(fullPath).fileName() : QString();
    // A file that is not a template we can read gets no name either, so
    // Save cannot overwrite it with the empty form by accident.
    const QStringList warnings = m_document.OpenWarnings();
    const bool named = !sample && warnings.isEmpty();
    m_document.SetPathName(named ? fullPath : QString());
    UpdateWindowTitle();
    if (named) {
        AddRecentFile(fullPath);
    }
    m_commands->UpdateAll();
    if (!warnings.isEmpty()) {
        TICKET_LOG(platform::Warning) << "Opened as an empty form: " << platform::Utf8(fullPath) << ": "
                                      << platform::Utf8(warnings.join(QStringLiteral("; ")));
        const QString text =
            sample ? QCoreApplication::translate("app::CMainFrame",
                                                 "The sample %1 could not be read, so it opens as an empty form.\n\n%2")
                   : QCoreApplication::translate(
                         "app::CMainFrame",
                         "%1 could not be read as a design template, so it opens as an empty form.\n"
                         "Saving asks for a new name and leaves the file as it is.\n\n%2");
        m_prompts->Warn(this, text.arg(Native(fullPath), warnings.join(QLatin1Char('\n'))));
    }
    return true;
}

bool CMainFrame::SaveDocument()
{
    const QString path = m_document.GetPathName();
    return path.isEmpty() ? SaveDocumentAs() : SaveTo(path);
}

bool CMainFrame::SaveDocumentAs()
{
    QString suggested = m_document.GetPathName();
    if (suggested.isEmpty() && !m_untitledName.isEmpty()) {
        // A template started from a sample keeps the sample's file name, in the home folder.
        suggested = QDir::home().filePath(m_untitledName);
    }
    if (suggested.isEmpty()) {
        suggested = QDir::home().filePath(
            QCoreApplication::translate("app::CMainFrame", "Vantro design template") + QStringLiteral(".vt"));
    }
    const QString path = m_prompts->ChooseSavePath(this, suggested);
    return !path.isEmpty() && SaveTo(QFileInfo(path).absoluteFilePath());
}

bool CMainFrame::SaveTo(const QString& path)
{
    if (!m_document.OnSaveDocument(path)) {
        QString text =
            QCoreApplication::translate("app::CMainFrame", "The template could not be saved to %1.")
                .arg(Native(path));
        if (!m_document.LastError().isEmpty()) {
            text += QLatin1Char('\n') + m_document.LastError();
        }
        m_prompts->Warn(this, text);
        m_commands->UpdateAll();
        return false;
    }
    m_document.SetPathName(path);
    UpdateWindowTitle();
    if (m_document.IsModified()) {
        m_document.SetModifiedFlag(false);
    }
    AddRecentFile(path);
    m_commands->UpdateAll();
    return true;
}

void CMainFrame::AddRecentFile(const QString& path)
{
    m_recentFiles.removeAll(path);
    m_recentFiles.prepend(path);
    while (m_recentFiles.size() > kRecentCount) {
        m_recentFiles.removeLast();
    }
    RebuildRecentMenu();
}

void CMainFrame::RemoveRecentFile(const QString& path)
{
    if (m_recentFiles.removeAll(path) > 0) {
        RebuildRecentMenu();
    }
}

void CMainFrame::RebuildRecentMenu()
{
    qDeleteAll(m_recentActions);
    m_recentActions.clear();
    for (qsizetype i = 0; i < m_recentFiles.size(); ++i) {
        const QString path = m_recentFiles[i];
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(Native(path)), m_fileMenu);
        action->setStatusTip(QCoreApplication::translate("app::CMainFrame", "Open this document"));
        connect(action, &QAction::triggered, this, [this, path] { OpenDocumentFile(path); });
        m_fileMenu->insertAction(m_recentSeparator, action);
        m_recentActions.append(action);
    }
    // The list sits between two separators; with no entries one is enough.
    m_recentSeparator->setVisible(!m_recentFiles.isEmpty());

    QSettings settings;
    settings.remove(kRecentGroup);
    for (qsizetype i = 0; i < m_recentFiles.size(); ++i) {
        settings.setValue(kRecentGroup + QStringLiteral("/File%1").arg(i + 1), m_recentFiles[i]);
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // Opening may ask questions; not while the drag source waits for the drop.
    QTimer::singleShot(0, this, [this, path] { OpenDocumentFile(path); });
}

} // namespace app
