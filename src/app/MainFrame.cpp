#include "app/MainFrame.h"

#include "app/AboutDialog.h"
#include "app/ApplicationLook.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/FrameBars.h"
#include "app/FramePrompts.h"
#include "app/PrinterLink.h"
#include "app/SampleTemplates.h"
#include "app/StatusPanes.h"
#include "app/UiLanguage.h"
#include "document/DesignerDoc.h"
#include "editor/DesignPreview.h"
#include "editor/DesignerView.h"
#include "panes/CheckResultsWnd.h"
#include "panes/ImageDialog.h"
#include "panes/PropertiesWnd.h"
#include "panes/PropertyGrid.h"
#include "panes/ToolBoxWnd.h"
#include "panes/UIProperties.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QStackedWidget>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>

namespace app {

namespace {

const QString kLookKey = QStringLiteral("ApplicationLook");
const QString kGeometryKey = QStringLiteral("MainFrame/Geometry");
const QString kStateKey = QStringLiteral("MainFrame/State");

constexpr int kToolboxWidth = 90;
constexpr int kPropertiesWidth = 200;
constexpr int kPaneHeight = 200;
// How often idle commands are brought up to date, as a framework's idle pass would.
constexpr int kIdleUpdateMs = 250;

} // namespace

// Keeps Save and the other commands in step with the document's modified flag.
// The title's mark of unsaved changes too.
class CMainFrame::DocumentWatch : public document::DocumentObserver
{
public:
    DocumentWatch(CMainFrame& frame, CommandTable& commands) : m_frame(frame), m_commands(commands) {}
    void DocumentModifiedChanged(bool modified) override
    {
        m_frame.setWindowModified(modified);
        m_commands.UpdateAll();
    }
    void DocumentContentsReplaced() override
    {
        m_commands.UpdateAll();
        m_frame.ScheduleRecheck();
    }

private:
    CMainFrame& m_frame;
    CommandTable& m_commands;
};

CMainFrame* CMainFrame::s_instance = nullptr;

CMainFrame::CMainFrame(document::CDesignerDoc& document) : CMainFrame(document, Options{}) {}

CMainFrame::CMainFrame(document::CDesignerDoc& document, Options options)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      m_document(document), m_prompts(std::move(options.prompts)), m_deviceState(options.deviceState),
      m_look(ValidApplicationLook(QSettings().value(kLookKey, kDefaultLook).toInt()))
{
    s_instance = this;
    if (!m_prompts) {
        m_prompts = std::make_unique<DialogPrompts>();
    }
    UpdateWindowTitle();
    setWindowIcon(QIcon(QStringLiteral(":/icons/ticket-designer.svg")));
    setObjectName(QStringLiteral("mainFrame"));
    setAcceptDrops(true);
    FillTimeFormatWords();

    // The enabling rules ask the device state from the first update on.
    if (m_deviceState == nullptr) {
        m_printerLink = new PrinterLink(this);
        m_deviceState = m_printerLink;
        connect(m_printerLink, &PrinterLink::PortStatusTextChanged, this, &CMainFrame::OnPortStatusChanged);
        connect(m_printerLink, &PrinterLink::TransferProgress, this, &CMainFrame::OnPortTransProgress);
    }
    m_commands = new CommandTable(this);
    const FrameBars bars = BuildFrameBars(*this, *m_commands);
    m_fileMenu = bars.fileMenu;
    m_sampleMenu = bars.sampleMenu;
    m_sampleFolders = options.sampleFolders ? *options.sampleFolders : SampleFolders();
    m_standard = bars.standard;
    m_formEdit = bars.formEdit;
    m_panes = new StatusPanes(*statusBar());

    CreateView();
    CreateDocks();
    CreateCheckResults();
    InstallHandlers();
    InstallEditHandlers();
    InstallPrinterHandlers();
    InstallLayoutHandlers();
    InstallFileHandlers();
    InstallCheckHandlers();
    RebuildSampleMenu();
    connect(m_sampleMenu, &QMenu::aboutToShow, this, &CMainFrame::RebuildSampleMenu);

    m_documentWatch = std::make_unique<DocumentWatch>(*this, *m_commands);
    m_document.AddObserver(m_documentWatch.get());
    setWindowModified(m_document.IsModified());

    resize(1000, 700);
    RestoreLayout();
    // A pane the last session left open keeps the height it was given.
    m_checkResultsSized = !m_checkResults->isHidden();
    SetApplicationLook(m_look);

    // Menus come up to date before they open; toolbars on the idle pass.
    for (QMenu* menu : findChildren<QMenu*>()) {
        connect(menu, &QMenu::aboutToShow, m_commands, &CommandTable::UpdateAll);
    }
    auto* idle = new QTimer(this);
    connect(idle, &QTimer::timeout, m_commands, &CommandTable::UpdateAll);
    idle->start(kIdleUpdateMs);

    // The printer link starts last, once the panes it reports to exist.
    if (m_printerLink != nullptr && options.startPrinterLink) {
        m_printerLink->Start();
    }
    m_commands->UpdateAll();
}

CMainFrame::~CMainFrame()
{
    // The printer goes first: its I/O thread may still report to the panes.
    if (m_printerLink != nullptr) {
        m_printerLink->Stop();
    }
    m_document.RemoveObserver(m_documentWatch.get());
    // The view (and a preview showing it) go before the panes they report to.
    delete m_preview;
    m_preview = nullptr;
    static_cast<panes::CPropertiesWnd*>(m_properties)->SetDesignSurface(nullptr);
    delete m_view;
    m_view = nullptr;
    if (s_instance == this) {
        s_instance = nullptr;
    }
}

void CMainFrame::CreateView()
{
    // A stack, so that the print preview can take the view's place.
    m_centre = new QStackedWidget(this);
    m_view = new editor::CDesignerView(m_document, m_centre);
    m_centre->addWidget(m_view);
    setCentralWidget(m_centre);
    m_view->SetPrinterSink(this);
    m_view->SetCheckSink(this);
    connect(m_view, &editor::CDesignerView::StatusMessage, this, [this](const QString& text) {
        m_panes->ShowMessage(text);
    });
    connect(m_view, &editor::CDesignerView::CommandStatesChanged, m_commands, &CommandTable::UpdateAll);
    connect(m_view, &editor::CDesignerView::CommandStatesChanged, this, &CMainFrame::ScheduleRecheck);
    connect(m_view, &editor::CDesignerView::TemplateEdited, this, &CMainFrame::ScheduleRecheck);
    // Enter in the view shows the properties; the keys stay with the view,
    // so arrows and Delete go on acting on the selection.
    connect(m_view, &editor::CDesignerView::PropertiesPaneRequested, this,
            [this] { ShowPane(m_properties, PaneFocus::Keep); });
}

void CMainFrame::InstallEditHandlers()
{
    CommandTable& c = *m_commands;
    c.SetHandler(ID_EDIT_UNDO, [this] { m_view->Undo(); });
    c.SetUpdateRule(ID_EDIT_UNDO, [this] { return CommandState{m_view->CanUndo(), false}; });
    c.SetHandler(ID_EDIT_REDO, [this] { m_view->Redo(); });
    c.SetUpdateRule(ID_EDIT_REDO, [this] { return CommandState{m_view->CanRedo(), false}; });
    c.SetHandler(ID_SHOW_GRID, [this] { m_view->ToggleGrid(); });
    c.SetUpdateRule(ID_SHOW_GRID, [this] { return CommandState{true, m_view->IsGridShown()}; });
}

void CMainFrame::CreateDocks()
{
    auto* toolbox = new panes::CToolBoxWnd(this);
    m_toolbox = toolbox;
    auto* properties = new panes::CPropertiesWnd(this);
    m_properties = properties;
    m_properties->setMinimumHeight(kPaneHeight);
    properties->SetDesignSurface(m_view);
    // The Image row picks from the template's own images. Imports and
    // removals are not undone, so the template stays modified until saved.
    properties->Sheet()->Grid()->SetImageChooser([this](const QString& given, QWidget* parent) {
        const auto archive = m_document.Archive().Reader();
        std::optional<QString> picked = panes::CImageDialog::Pick(parent, m_document, given);
        if (m_document.Archive().Reader() != archive) {
            m_view->History().MarkChangedOutside();
            m_view->InvalidateView();
        }
        return picked;
    });
    addDockWidget(Qt::LeftDockWidgetArea, m_toolbox);
    addDockWidget(Qt::RightDockWidgetArea, m_properties);
    resizeDocks({m_toolbox, m_properties}, {kToolboxWidth, kPropertiesWidth}, Qt::Horizontal);
    m_view->SetToolSource(toolbox);
    m_view->SetPropertySheet(properties);
}

void CMainFrame::InstallHandlers()
{
    CommandTable& c = *m_commands;
    const auto visible = [this](QWidget* widget) { return CommandState{true, widget->isVisibleTo(this)}; };

    c.SetHandler(ID_VIEW_TOOLBAR, [this] { m_standard->setVisible(!m_standard->isVisibleTo(this)); });
    c.SetUpdateRule(ID_VIEW_TOOLBAR, [this, visible] { return visible(m_standard); });
    c.SetHandler(ID_VIEW_FORM_EDIT_TOOLBAR,
                 [this] { m_formEdit->setVisible(!m_formEdit->isVisibleTo(this)); });
    c.SetUpdateRule(ID_VIEW_FORM_EDIT_TOOLBAR, [this, visible] { return visible(m_formEdit); });
    c.SetHandler(ID_VIEW_STATUS_BAR, [this] { statusBar()->setVisible(!statusBar()->isVisibleTo(this)); });
    c.SetUpdateRule(ID_VIEW_STATUS_BAR, [this, visible] { return visible(statusBar()); });

    for (int id = kFirstLook; id <= kLastLook; ++id) {
        if (IsApplicationLook(id)) {
            c.SetHandler(id, [this, id] { SetApplicationLook(id); });
            c.SetUpdateRule(id, [this, id] { return CommandState{true, m_look == id}; });
        }
    }
    c.SetHandler(ID_WINDOW_TOOLBOX, [this] { ShowPane(m_toolbox); });
    c.SetHandler(ID_WINDOW_PROPERTIES, [this] { ShowPane(m_properties); });
    c.SetHandler(ID_NEXT_PANE, [this] { SwitchPane(1); });
    c.SetHandler(ID_PREV_PANE, [this] { SwitchPane(-1); });
    c.SetHandler(ID_APP_ABOUT, [this] {
        AboutDialog about(this);
        about.exec();
    });

    // Cutting is not offered, whatever a view may handle.
    c.SetUpdateRule(ID_EDIT_CUT, [] { return CommandState{false, false}; });
}

void CMainFrame::ShowPane(QDockWidget* dock, PaneFocus focus)
{
    dock->show();
    if (dock->isFloating()) {
        dock->setFloating(false);
    }
    dock->raise();
    if (focus == PaneFocus::Take) {
        dock->activateWindow();
        dock->widget()->setFocus(Qt::OtherFocusReason);
    }
}

void CMainFrame::SwitchPane(int direction)
{
    QList<QWidget*> panes{centralWidget()};
    for (QDockWidget* dock : {m_toolbox, m_properties, static_cast<QDockWidget*>(m_checkResults)}) {
        if (dock->isVisible()) {
            panes.append(dock->widget());
        }
    }
    qsizetype current = 0;
    for (qsizetype i = 0; i < panes.size(); ++i) {
        if (panes[i]->isAncestorOf(focusWidget()) || panes[i] == focusWidget()) {
            current = i;
        }
    }
    const qsizetype next = (current + direction + panes.size()) % panes.size();
    panes[next]->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::SetApplicationLook(int id)
{
    if (!IsApplicationLook(id)) {
        return;
    }
    m_look = id;
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        ApplyApplicationLook(*application, id);
    }
    QSettings().setValue(kLookKey, id);
    m_commands->UpdateAll();
    update();
}

const DeviceState* CMainFrame::Device() const
{
    return m_deviceState;
}


void CMainFrame::OnPortStatusChanged(int textId)
{
    m_panes->ShowPrinterText(textId);
    m_commands->UpdateAll();
}

void CMainFrame::OnPortTransProgress(int step, int count)
{
    m_panes->ShowTransferProgress(step, count, Device()->TransferIndex());
    m_commands->UpdateAll();
}

bool CMainFrame::event(QEvent* event)
{
    // Prompts go to the message pane; the bar's own message line would hide the other panes.
    if (event->type() == QEvent::StatusTip) {
        m_panes->ShowMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!SaveModified()) {
        event->ignore();
        return;
    }
    // The preview hides the bars and panes: the layout kept is the editor's.
    ClosePreview();
    SaveLayout();
    event->accept();
}

void CMainFrame::RestoreLayout()
{
    QSettings settings;
    restoreGeometry(settings.value(kGeometryKey).toByteArray());
    restoreState(settings.value(kStateKey).toByteArray());
}

void CMainFrame::SaveLayout()
{
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kStateKey, saveState());
}

} // namespace app
