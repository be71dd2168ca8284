#pragma once

#include "check/TemplateCheck.h"
#include "controls/ContainerUI.h"
#include "controls/PaintManagerUI.h"
#include "document/DesignerDoc.h"
#include "editor/DesignSurface.h"
#include "editor/EditHistory.h"
#include "editor/MicoMove.h"
#include "editor/MultiUITracker.h"
#include "editor/PagePainting.h"
#include "editor/TrackerDrags.h"
#include "editor/ViewGeometry.h"
#include "elements/FormUI.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace editor {

class CheckSink;
class PrinterSink;
class PropertySheetSink;
class ToolSource;

// The one view of the template: the page at one page pixel per screen
// pixel, framed by millimetre rulers, with shaded margins, an optional dot
// grid, guide outlines, kind markers and the selection. It owns the editing
// state: the selection, the edit history and the current arrow-key nudge.
class CDesignerView : public QAbstractScrollArea,
                      public MarkupUI::AbstractItemChange,
                      public MarkupUI::PaintSurfaceObserver,
                      public document::DocumentObserver,
                      public DesignSurface
{
    Q_OBJECT
public:
    explicit CDesignerView(document::CDesignerDoc& document, QWidget* parent = nullptr);
    ~CDesignerView() override;

    // The panes the view talks to; either may be absent.
    void SetToolSource(ToolSource* tools);
    void SetPropertySheet(PropertySheetSink* sheet);
    void SetPrinterSink(PrinterSink* printer) { m_printer = printer; }
    void SetCheckSink(CheckSink* checks) { m_checks = checks; }

    document::CDesignerDoc& Document() { return m_document; }
    ScreenDpi ScreenResolution() const { return m_dpi; }
    platform::Size FormSize() const;
    // Re-sizes the page after its own rectangle changed (a handle drag, undo).
    void UpdateFormSize();

    bool IsGridShown() const { return m_grid; }
    void ToggleGrid();

    // The selection and the commands on it.
    CMultiUITracker& Tracker() { return m_tracker; }
    const CMultiUITracker& Tracker() const { return m_tracker; }
    bool IsSelected(const MarkupUI::CControlUI* element) const { return m_tracker.IndexOf(element) >= 0; }
    // Selects exactly these elements (the last primary) and shows the sheet.
    void SelectElements(const std::vector<MarkupUI::CControlUI*>& elements);
    void ClearSelection();
    // A mouse drag is under way: edits from keys wait until it ends.
    bool IsDragging() const { return m_mouse != MouseState::Idle; }
    bool CanUndo() const { return m_history.CanUndo(); }
    bool CanRedo() const { return m_history.CanRedo(); }
    void Undo();
    void Redo();
    // Records a change that has been made, ending the current nudge run.
    void PushAction(EditAction action);

    // Takes an element off its parent, which it keeps remembering; puts it
    // back, selected, at index among the parent's children (last when the
    // index is out of range). Also what undo and redo of creations use.
    bool DeleteElement(MarkupUI::CControlUI* element);
    void RestoreElement(MarkupUI::CControlUI* element, MarkupUI::CControlUI* parent, int index = -1);
    // Places a new element of a kind on the page; nullptr when it cannot be.
    MarkupUI::CControlUI* CreateElement(int kind, const platform::Rect& rect, bool placedByClick = false);
    // Adds an element to the selection as its primary element; the page is
    // never selected together with its elements.
    void AddToSelection(MarkupUI::CControlUI* element);
    // Gives an element and everything under it their design levels.
    void AssignDesignLevels(MarkupUI::CControlUI& element, int level);
    // The property sheet shows the one selected element, or nothing.
    void ShowSelectionProperties();
    // Refreshes the sheet's position rows when it shows the element.
    void RefreshPosRows(MarkupUI::CControlUI* element);
    // The undoable change of element rectangles (page coordinates); undo
    // and redo lay out the reference's parent, or re-size the page when the
    // reference is the form.
    EditAction RectChangeAction(std::vector<platform::Rect> before, std::vector<platform::Rect> after,
                                std::vector<MarkupUI::ControlPtr> elements, MarkupUI::ControlPtr reference);
    // Applies a finished drag and records it.
    void CommitTrackedRects(MarkupUI::CControlUI* tracked, const std::vector<platform::Rect>& rects,
                            const std::vector<MarkupUI::CControlUI*>& elements);
    std::unique_ptr<CTrackerElement> NewTrackerElement(MarkupUI::CControlUI* element);

    // The printer commands: the template uploaded, the static page printed
    // at once, the printer's clock set. Each says in the status bar why it
    // sent nothing when there is no printer or a transfer is running.
    // An upload first checks the template and asks before sending one
    // with errors.
    void UploadData();
    void PrintPage();
    void SetDeviceTime();

    // Checks the template as the upload would send it, hands the findings
    // to the check sink and sums them up in the status bar.
    std::vector<check::Finding> CheckTemplate();
    // Selects the form's child at index (in child order) and scrolls it into
    // sight; false when there is no such element.
    bool SelectChildAt(int index);

    // Page coordinates of a point of the viewport, and back.
    platform::Point ToPage(const QPoint& viewportPoint) const;
    QPoint ToViewport(const platform::Point& pagePoint) const;

    // Paints `area` of the viewport as a paint event does, into `target`
    // (the viewport's size); for benchmarks and tests.
    void PaintViewport(QImage& target, const QRect& area);

    // Nudge runs read this monotonic clock (nanoseconds); tests set their own.
    void SetClock(std::function<int64_t()> clock) { m_clock = std::move(clock); }

    // DesignSurface
    EditHistory& History() override { return m_history; }
    MarkupUI::CFormUI* Form() const override { return m_form.get(); }
    int PaperWidthMm() const override { return m_paperMm; }
    void PaperWidthChanged() override;
    void InvalidateView() override;
    void ShowStatusMessage(const QString& text) override;

signals:
    // A message for the status bar.
    void StatusMessage(const QString& text);
    // The enabling of commands may have changed (selection, history, grid).
    void CommandStatesChanged();
    // Enter with at most one element selected: the properties pane is wanted.
    void PropertiesPaneRequested();
    // The Delete key.
    void DeleteRequested();
    // A change to the template was recorded, undone or redone, by anyone.
    void TemplateEdited();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // What the mouse is doing; drags run as states, not nested loops.
    enum class MouseState
    {
        Idle,
        HandleDrag,
        RubberBand,
        GroupMove,
    };
    // Where the press that started a rubber band was, and what lay there.
    struct BandPress
    {
        platform::Point point;
        MarkupUI::ControlPtr hitElement;
    };

    bool PrinterReady();
    // Set-up when the document's template is shown, and its undoing.
    void OnInitialUpdate();
    void DetachDocument();
    void UpdateScrollGeometry();
    void ReportUnusualScale();
    PageFrame CurrentFrame() const;
    void PaintKindMarkers(QPainter& painter, const QRect& pageArea);
    void PaintDragOutlines(QPainter& painter);
    // Runs the layout the elements asked for since the last paint.
    void LayOutIfNeeded();
    void ConfigureTracker();

    // The left-button dispatch and the ends of the drags it starts.
    void OnLeftButtonDown(platform::Point point, bool ctrl);
    // Starts a group move or a single resize; false when nothing was hit.
    bool BeginTrack(platform::Point point);
    void BeginRubberBand(const BandPress& press);
    // The button went up at a point (or a move showed it is up).
    void FinishDragAt(platform::Point point);
    void FinishDrag(bool cancelled);
    void FinishRubberBand(bool changed, const platform::Rect& band);
    void AfterClick();
    MarkupUI::CControlUI* MarkerHit(platform::Point point);
    MarkupUI::CControlUI* ControlAt(platform::Point point) const;
    void UpdateCursor(platform::Point point);
    // Repaints the thin frame a drag outline covers.
    void UpdateOutline(const platform::Rect& outline);
    void UpdateDragOutlines();
    void EndDragOnCaptureLoss();

    void Nudge(NudgeDirection direction);
    void ApplyRectChange(const std::vector<MarkupUI::ControlPtr>& elements, const std::vector<platform::Rect>& rects,
                         MarkupUI::CControlUI* reference);

    // AbstractItemChange
    void OnItemAdded(MarkupUI::CControlUI* control, MarkupUI::IContainerUI* container) override;
    void OnItemRemoved(MarkupUI::CControlUI* control, MarkupUI::IContainerUI* container) override;
    // PaintSurfaceObserver
    void SurfaceResized(platform::Size size) override;
    void SurfaceInvalidated(const platform::Rect& rect) override;
    // DocumentObserver
    void DocumentWillBeClean() override;
    void DocumentWillDeleteContents() override;
    void DocumentContentsReplaced() override;

    document::CDesignerDoc& m_document;
    ToolSource* m_tools = nullptr;
    PropertySheetSink* m_sheet = nullptr;
    PrinterSink* m_printer = nullptr;
    CheckSink* m_checks = nullptr;

    int m_paperMm = 58;
    ScreenDpi m_dpi;
    bool m_grid = false;
    // Between taking a new template and sizing its page.
    bool m_attaching = false;
    CMultiUITracker m_tracker;
    MarkupUI::FormPtr m_form;
    std::shared_ptr<MarkupUI::CPaintManagerUI> m_manager;
    EditHistory m_history;
    std::shared_ptr<MicoMove> m_nudge;
    // The history's length once the current nudge run was recorded.
    int m_nudgeAt = 0;
    std::function<int64_t()> m_clock;
    ViewFonts m_fonts;
    QImage m_backBuffer;

    MouseState m_mouse = MouseState::Idle;
    std::optional<HandleDrag> m_handleDrag;
    std::optional<GroupMove> m_groupMove;
    BandPress m_band;
    // Whether a resize or band has followed a mouse move yet.
    bool m_dragMoved = false;
    Qt::CursorShape m_dragCursor = Qt::ArrowCursor;
    // The element whose handle is being dragged.
    MarkupUI::ControlPtr m_dragged;
};

} // namespace editor
