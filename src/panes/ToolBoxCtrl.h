#pragma once

#include "panes/ToolElement.h"

#include <QWidget>

#include <vector>

class QPainter;
class QScrollBar;

namespace panes {

// The toolbox's custom-drawn list of tools: the pointer and one tool per
// printable element kind. One row is selected once the owner picks one; a
// click selects an enabled row, never a greyed one.
class CToolBoxCtrl : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kRowHeight = 20;

    explicit CToolBoxCtrl(QWidget* parent = nullptr);
    ~CToolBoxCtrl() override;

    // Appends a row unless one with that tool id is present already.
    bool AddToolElement(const QString& caption, int toolId, const QIcon& icon);
    int Count() const { return static_cast<int>(m_rows.size()); }
    const CToolElement& Element(int index) const { return m_rows.at(static_cast<size_t>(index)); }
    // -1 when no row has that tool id.
    int IndexOfTool(int toolId) const;

    // 0 while no row is selected.
    int SelectedToolId() const;
    int SelectedIndex() const { return m_selected; }
    // Selects the row of a tool unless it is missing or greyed.
    bool SelectTool(int toolId);
    // Greys out or restores a row and repaints it at once.
    void SetToolEnabled(int toolId, bool enabled);
    bool IsToolEnabled(int toolId) const;
    void SetCaption(int toolId, const QString& caption);

    // The row under the mouse, -1 for none.
    int HotIndex() const { return m_hot; }
    // The first visible row and the rows a page holds (0 while all fit).
    int ScrollPosition() const { return m_scrollPos; }
    int PageSize() const { return m_page; }
    QScrollBar* ScrollBar() const { return m_scrollBar; }

    QSize sizeHint() const override;

signals:
    // The operator or the program picked another tool.
    void SelectedToolChanged(int toolId);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Layout();
    void PlaceRows();
    void ScrollTo(int position);
    int MaxScrollPosition() const;
    void EnsureVisible(int index);
    QRect RowsArea() const;
    int RowAt(const QPoint& pos) const;
    void SetHot(int index);
    void SelectIndex(int index);
    void RedrawRow(int index);
    void DrawRow(QPainter& painter, const CToolElement& row, bool selected, bool hot) const;
    int NextEnabledRow(int from, int step) const;

    std::vector<CToolElement> m_rows;
    int m_selected = -1;
    int m_hot = -1;
    int m_scrollPos = 0;
    int m_page = 0;
    int m_total = 0;
    // Wheel turns smaller than a notch add up here.
    int m_wheelRemainder = 0;
    // Where the mouse was last seen over the control, for the hot row after
    // a scroll; none once it left.
    QPoint m_mousePos;
    bool m_mouseInside = false;
    QScrollBar* m_scrollBar;
};

} // namespace panes
