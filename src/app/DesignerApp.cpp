#include "app/DesignerApp.h"

#include "app/FirstPaintQuit.h"
#include "app/LayoutReport.h"
#include "app/MainFrame.h"
#include "app/UiLanguage.h"
#include "platform/Logger.h"

#include "TicketVersion.h"

#include <QCommandLineParser>
#include <QIcon>
#include <QTimer>

namespace app {

CDesignerApp::CDesignerApp(int& argc, char** argv) : QApplication(argc, argv) {}

// The frame must go before the document it watches.
CDesignerApp::~CDesignerApp()
{
    m_frame.reset();
}

bool CDesignerApp::InitInstance()
{
    platform::InitLogging();

    setOrganizationName(QStringLiteral("morra"));
    setApplicationName(QStringLiteral("ticket-designer"));
    setApplicationVersion(QStringLiteral(TICKET_VERSION));
    setDesktopFileName(QStringLiteral("ticket-designer"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/ticket-designer.svg")));
    InstallTranslations(*this);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("app::CDesignerApp", "Designer for queue-ticket printer templates"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("template"),
                                 QCoreApplication::translate("app::CDesignerApp", "A template file to open."),
                                 QStringLiteral("[template.vt]"));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QCoreApplication::translate("app::CDesignerApp", "Save a picture of the window to <file> and quit."),
        QStringLiteral("file"));
    parser.addOption(screenshot);
    const QCommandLineOption quitAfterFirstPaint(
        QStringLiteral("quit-after-first-paint"),
        QCoreApplication::translate("app::CDesignerApp",
                                    "Quit as soon as the window has been painted once."));
    parser.addOption(quitAfterFirstPaint);
    QCommandLineOption layoutReport(
        QStringLiteral("layout-report"),
        QCoreApplication::translate("app::CDesignerApp",
                                    "Keep <file> up to date with where the toolbox rows, the page and the "
                                    "property rows are on the screen (JSON)."),
        QStringLiteral("file"));
    // For scripts that drive the window, not for people.
    layoutReport.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(layoutReport);
    parser.process(arguments());
    m_screenshotPath = parser.value(screenshot);

    m_frame = std::make_unique<CMainFrame>(m_document);
    if (!ProcessShellCommand(*m_frame, parser.positionalArguments())) {
        return false;
    }
    if (parser.isSet(quitAfterFirstPaint)) {
        new FirstPaintQuit(m_frame.get());
    }
    if (parser.isSet(layoutReport)) {
        new LayoutReport(*m_frame, parser.value(layoutReport));
    }
    m_frame->show();

    if (!m_screenshotPath.isEmpty()) {
        QTimer::singleShot(1000, this, [this] {
            const bool saved = m_frame->grab().save(m_screenshotPath);
            exit(saved ? 0 : 1);
        });
    }
    return true;
}

bool CDesignerApp::ProcessShellCommand(CMainFrame& frame, const QStringList& files)
{
    if (files.isEmpty()) {
        return frame.NewDocument();
    }
    if (!frame.OpenDocumentFile(files.constFirst())) {
        TICKET_LOG(platform::Error) << "Cannot open the template given on the command line: "
                                    << platform::Utf8(files.constFirst());
        return false;
    }
    return true;
}

} // namespace app
