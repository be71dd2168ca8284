#pragma once

#include "document/DesignerDoc.h"

#include <QApplication>
#include <QString>

#include <memory>

namespace app {

class CMainFrame;

// The designer process: start-up in order (log, language, settings, the
// frame with its document, the command line), and the one template.
class CDesignerApp : public QApplication
{
    Q_OBJECT
public:
    CDesignerApp(int& argc, char** argv);
    ~CDesignerApp() override;

    // False when the designer cannot start; the process then ends.
    bool InitInstance();

    // No file: a new template; a file: open it. False when the file given
    // cannot be read, and the designer does not start.
    static bool ProcessShellCommand(CMainFrame& frame, const QStringList& files);

    CMainFrame* MainFrame() const { return m_frame.get(); }
    // Set by --screenshot: where to save a picture of the window once shown.
    QString ScreenshotPath() const { return m_screenshotPath; }

private:
    document::CDesignerDoc m_document;
    std::unique_ptr<CMainFrame> m_frame;
    QString m_screenshotPath;
};

} // namespace app
