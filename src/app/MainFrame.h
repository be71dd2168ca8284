#pragma once

#include "device/BufferList.h"
#include "editor/CheckSink.h"
#include "editor/PrinterSink.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>
#include <optional>

class QDockWidget;
class QMenu;
class QStackedWidget;
class QTimer;
class QToolBar;

namespace document {
class CDesignerDoc;
}

namespace editor {
class CDesignPreview;
class CDesignerView;
} // namespace editor

namespace panes {
class CCheckResultsWnd;
}

namespace app {

class CommandTable;
class DeviceState;
class FramePrompts;
class PrinterLink;
class StatusPanes;

// The designer's main window: menus, the Standard and Form edit toolbars,
// the status bar, the toolbox and properties docks, the file commands on
// the one document, and the printer link.
class CMainFrame : public QMainWindow, public editor::PrinterSink, public editor::CheckSink
{
    Q_OBJECT
public:
    struct Options
    {
        // Tests leave the printer alone and answer the dialogs themselves.
        bool startPrinterLink = true;
        std::unique_ptr<FramePrompts> prompts;
        // When set, the enabling rules read it instead of the printer link.
        const DeviceState* deviceState = nullptr;
        // Where File > Open Sample looks; the installed samples when unset.
        std::optional<QStringList> sampleFolders;
    };

    explicit CMainFrame(document::CDesignerDoc& document);
    CMainFrame(document::CDesignerDoc& document, Options options);
    ~CMainFrame() override;

    // The frame while it exists, for panes and views that need it.
    static CMainFrame* Instance() { return s_instance; }

    CommandTable& Commands() { return *m_commands; }
    StatusPanes& Panes() { return *m_panes; }
    const StatusPanes& Panes() const { return *m_panes; }
    document::CDesignerDoc& Document() { return m_document; }
    editor::CDesignerView* View() const { return m_view; }
    QDockWidget* ToolboxDock() const { return m_toolbox; }
    QDockWidget* PropertiesDock() const { return m_properties; }
    panes::CCheckResultsWnd* CheckResultsDock() const { return m_checkResults; }
    QToolBar* StandardToolBar() const { return m_standard; }
    QToolBar* FormEditToolBar() const { return m_formEdit; }

    int ApplicationLook() const { return m_look; }
    // Switches the look at once and remembers it for the next start.
    void SetApplicationLook(int id);

    // The file commands; each asks to save a modified template first where
    // it would replace it. False when nothing changed.
    bool NewDocument();
    bool OpenDocumentFile(const QString& path);
    bool SaveDocument();
    bool SaveDocumentAs();
    // Asks whether to save a modified template; false when the user cancels
    // or the save fails.
    bool SaveModified();
    QStringList RecentFiles() const { return m_recentFiles; }
    // Opens a sample as a new, untitled template: Save asks for a name, so
    // the installed sample is never overwritten.
    bool OpenSample(const QString& path);
    QMenu* SampleMenu() const { return m_sampleMenu; }

    // Sends a transaction to the printer; false (the list dropped) when no
    // printer is connected.
    bool StartTransfer(device::BufferList list, editor::TransferKind kind) override;
    // How many transactions were handed to the printer so far.
    int TransfersStarted() const { return m_transfersStarted; }
    // editor::PrinterSink
    bool IsPrinterConnected() const override;
    bool IsTransferRunning() const override;
    void PrepareTransferProgress() override;
    void ReportNoPrinter() override;
    void ReportPrinterBusy() override;
    // editor::CheckSink: the findings go to the Check Results pane, which
    // comes into sight; the question goes through the prompts.
    void ShowFindings(const std::vector<check::Finding>& findings) override;
    bool ConfirmUploadWithErrors(int errorCount) override;

    // The print preview takes the design view's place; menus, toolbars and
    // panes are put away and the commands rest until it closes.
    void OpenPreview();
    void ClosePreview();
    editor::CDesignPreview* Preview() const { return m_preview; }

public slots:
    // Pane 2: the printer's state as a status text id.
    void OnPortStatusChanged(int textId);
    // Panes 1 and 0: one progress report of a transfer.
    void OnPortTransProgress(int step, int count);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    class DocumentWatch;

    void CreateDocks();
    void CreateView();
    void InstallHandlers();
    void InstallEditHandlers();
    void InstallPrinterHandlers();
    void InstallLayoutHandlers();
    void InstallFileHandlers();
    void InstallCheckHandlers();
    void CreateCheckResults();
    // The shown findings follow the template while the pane is open.
    void ScheduleRecheck();
    // Shows the pane, at a modest height the first time.
    void RevealCheckResults();
    void Recheck();
    void RebuildSampleMenu();
    // A template file is opened under its name; a sample opens untitled.
    enum class OpenAs
    {
        File,
        Sample
    };
    bool OpenTemplateFile(const QString& path, OpenAs as);
    // Take: the pane gets the keyboard (opened from the menu); Keep: it
    // stays where the operator works.
    enum class PaneFocus
    {
        Take,
        Keep
    };
    void ShowPane(QDockWidget* dock, PaneFocus focus = PaneFocus::Take);
    void SwitchPane(int direction);
    void RestoreLayout();
    void SaveLayout();
    // The title names the template and the program.
    void UpdateWindowTitle();
    void AddRecentFile(const QString& path);
    void RemoveRecentFile(const QString& path);
    void RebuildRecentMenu();
    bool SaveTo(const QString& path);
    QString DocumentName() const;
    const DeviceState* Device() const;

    static CMainFrame* s_instance;

    document::CDesignerDoc& m_document;
    std::unique_ptr<FramePrompts> m_prompts;
    std::unique_ptr<DocumentWatch> m_documentWatch;
    CommandTable* m_commands = nullptr;
    StatusPanes* m_panes = nullptr;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentSeparator = nullptr;
    QList<QAction*> m_recentActions;
    QMenu* m_sampleMenu = nullptr;
    QStringList m_sampleFolders;
    // The file name Save As suggests for an untitled template opened from a sample.
    QString m_untitledName;
    QToolBar* m_standard = nullptr;
    QToolBar* m_formEdit = nullptr;
    QStackedWidget* m_centre = nullptr;
    editor::CDesignerView* m_view = nullptr;
    editor::CDesignPreview* m_preview = nullptr;
    // What the preview put away, to be shown again when it closes.
    QList<QWidget*> m_hiddenForPreview;
    QDockWidget* m_toolbox = nullptr;
    QDockWidget* m_properties = nullptr;
    panes::CCheckResultsWnd* m_checkResults = nullptr;
    QTimer* m_recheck = nullptr;
    bool m_checkResultsSized = false;
    PrinterLink* m_printerLink = nullptr;
    const DeviceState* m_deviceState = nullptr;
    QStringList m_recentFiles;
    int m_transfersStarted = 0;
    int m_look;
};

} // namespace app
