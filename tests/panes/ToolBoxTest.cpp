#include "app/Translation.h"
#include "panes/ToolBoxCtrl.h"
#include "panes/ToolBoxWnd.h"

#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QTranslator>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using panes::CToolBoxCtrl;
using panes::CToolBoxWnd;

struct ExpectedRow
{
    int toolId;
    const char* english;
    const char* chinese;
    const char* icon;
};

const ExpectedRow kRows[] = {
    {100, "Point", "指针", "pointer"},
    {102, "Image", "图片", "picture"},
    {103, "Text", "文本", "text"},
    {104, "Queuing", "取号号码", "ticket-number"},
    {106, "Current", "正在服务号码", "now-serving"},
    {105, "Waiting", "等待人数", "waiting-count"},
    {107, "Time", "时间", "time"},
    {108, "Horizontal line", "横线", "horizontal-line"},
    {109, "Vertical line", "竖线", "vertical-line"},
    {110, "Rectangle", "方形", "rectangle"},
    {111, "Circular", "圆形", "circle"},
};
constexpr int kRowCount = 11;
constexpr int kQueuingRow = 3;
constexpr int kTextRow = 2;

const QColor kSelectedFill(225, 230, 232);
const QColor kHotFill(193, 210, 238);
const QColor kOutline(49, 106, 197);
const QColor kDisabledText(220, 0, 0);

bool IsSaturated(QRgb pixel)
{
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    return std::max({r, g, b}) - std::min({r, g, b}) > 40;
}

bool IsDisabledTextColour(QRgb pixel)
{
    return qRed(pixel) > 150 && qGreen(pixel) < 110 && qBlue(pixel) < 110;
}

int CountPixels(const QImage& image, const QRect& area, bool (*test)(QRgb))
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

class ToolBoxTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pane = std::make_unique<CToolBoxWnd>();
        m_pane->resize(160, 320);
        m_pane->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pane.get()));
        m_list = m_pane->ToolBox();
        QPalette palette = m_list->palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Active, QPalette::Text, Qt::black);
        palette.setColor(QPalette::Inactive, QPalette::Text, Qt::black);
        palette.setColor(QPalette::Disabled, QPalette::Text, kDisabledText);
        m_list->setPalette(palette);
    }

    // Gives the list a client area of exactly this size.
    void ResizeList(int width, int height)
    {
        m_pane->resize(width + m_pane->width() - m_list->width(),
                       height + m_pane->height() - m_list->height());
        QCoreApplication::processEvents();
        ASSERT_EQ(QSize(width, height), m_list->size());
    }

    void Click(int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(m_list, button, {}, m_list->Element(row).rect.center());
    }

    void Wheel(int delta)
    {
        const QPointF pos(10, 10);
        QWheelEvent event(pos, m_list->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_list, &event);
    }

    QImage Shot() const { return m_list->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    std::unique_ptr<CToolBoxWnd> m_pane;
    CToolBoxCtrl* m_list = nullptr;
};

TEST_F(ToolBoxTest, ListsTheElevenToolsInOrderWithThePointerPicked)
{
    EXPECT_EQ(QStringLiteral("toolboxPane"), m_pane->objectName());
    EXPECT_EQ(QStringLiteral("Tool Box"), m_pane->windowTitle());
    EXPECT_EQ(Qt::LeftDockWidgetArea, m_pane->allowedAreas());
    ASSERT_EQ(kRowCount, m_list->Count());
    for (int i = 0; i < kRowCount; ++i) {
        SCOPED_TRACE(kRows[i].english);
        const panes::CToolElement& row = m_list->Element(i);
        EXPECT_EQ(kRows[i].toolId, row.toolId);
        EXPECT_EQ(QString::fromUtf8(kRows[i].english), row.caption);
        EXPECT_TRUE(row.enabled);
        EXPECT_EQ(QRect(3, i * 20, m_list->width() - 6, 20), row.rect);
    }
    EXPECT_EQ(100, m_pane->SelectedToolId());
    EXPECT_EQ(0, m_list->SelectedIndex());
}

TEST_F(ToolBoxTest, ToolIconsAreOurOwnDrawingsThatShowOnWhiteAndGrey)
{
    std::vector<QImage> seen;
    for (const ExpectedRow& row : kRows) {
        SCOPED_TRACE(row.icon);
        QFile file(QStringLiteral(":/icons/tools/%1.svg").arg(QLatin1String(row.icon)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        // Paths only: an installed font must not change the marker.
        EXPECT_FALSE(file.readAll().contains("<text"));
        if (row.toolId == 100) {
            continue;
        }
        const QImage icon = m_pane->ToolIcon(row.toolId).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(QSize(16, 16), icon.size() / icon.devicePixelRatio());
        int dark = 0;
        for (int y = 0; y < icon.height(); ++y) {
            for (int x = 0; x < icon.width(); ++x) {
                const QColor c = icon.pixelColor(x, y);
                dark += c.alpha() > 200 && c.lightness() < 110 ? 1 : 0;
            }
        }
        EXPECT_GT(dark, 8) << "needs dark ink to stand out on the grey page surround";
        EXPECT_EQ(seen.end(), std::find(seen.begin(), seen.end(), icon)) << "two tools share an icon";
        seen.push_back(icon);
    }
    for (int kind : {0, 100, 101, 112}) {
        EXPECT_TRUE(m_pane->ToolIcon(kind).isNull()) << kind;
    }
}

TEST_F(ToolBoxTest, CaptionsAndTitleFollowTheChineseTranslation)
{
    QTranslator chinese;
    ASSERT_TRUE(app::LoadDesignerTranslation(chinese));
    QCoreApplication::installTranslator(&chinese);
    // The language change reaches open windows as a posted event.
    QCoreApplication::processEvents();
    CToolBoxWnd fresh;
    for (const CToolBoxWnd* pane : {&fresh, m_pane.get()}) {
        EXPECT_EQ(QStringLiteral("工具箱"), pane->windowTitle());
        for (int i = 0; i < kRowCount; ++i) {
            EXPECT_EQ(QString::fromUtf8(kRows[i].chinese), pane->ToolBox()->Element(i).caption);
        }
    }
    QCoreApplication::removeTranslator(&chinese);
    QCoreApplication::processEvents();
    EXPECT_EQ(QStringLiteral("Point"), m_list->Element(0).caption);
    EXPECT_EQ(QStringLiteral("Tool Box"), m_pane->windowTitle());
}

TEST_F(ToolBoxTest, ClickPicksAnEnabledToolAndTheViewBringsThePointerBack)
{
    QSignalSpy changes(m_pane.get(), &CToolBoxWnd::ToolChanged);
    Click(kTextRow);
    EXPECT_EQ(103, m_pane->SelectedToolId());
    Click(kTextRow, Qt::RightButton);
    Click(kRowCount - 1, Qt::RightButton);
    EXPECT_EQ(103, m_pane->SelectedToolId());
    // Beside the rows (the 3 px inset) is no row.
    QTest::mouseClick(m_list, Qt::LeftButton, {}, QPoint(1, m_list->Element(1).rect.center().y()));
    EXPECT_EQ(103, m_pane->SelectedToolId());

    m_pane->SelectPointerTool();
    EXPECT_EQ(100, m_pane->SelectedToolId());
    ASSERT_EQ(2, changes.count());
    EXPECT_EQ(103, changes[0][0].toInt());
    EXPECT_EQ(100, changes[1][0].toInt());
}

TEST_F(ToolBoxTest, OnlyTheNumberToolsAreGreyedAndAGreyedRowCannotBePicked)
{
    for (int kind : {102, 103, 107, 108, 111}) {
        m_pane->EnableToolOfKind(kind, false);
        EXPECT_TRUE(m_pane->IsToolOfKindEnabled(kind)) << kind;
    }
    for (int kind : {104, 105, 106}) {
        m_pane->EnableToolOfKind(kind, false);
        EXPECT_FALSE(m_pane->IsToolOfKindEnabled(kind)) << kind;
    }
    Click(kTextRow);
    Click(kQueuingRow);
    EXPECT_EQ(103, m_pane->SelectedToolId());

    m_pane->EnableToolOfKind(104, true);
    Click(kQueuingRow);
    EXPECT_EQ(104, m_pane->SelectedToolId());
    // A ticket number pasted while its tool is picked: the next press in
    // the view must not place a second one.
    m_pane->EnableToolOfKind(104, false);
    EXPECT_EQ(100, m_pane->SelectedToolId());

    // The arrow keys step over all three greyed rows.
    Click(kTextRow);
    QTest::keyClick(m_list, Qt::Key_Down);
    EXPECT_EQ(107, m_pane->SelectedToolId());
    QTest::keyClick(m_list, Qt::Key_Up);
    EXPECT_EQ(103, m_pane->SelectedToolId());
}

TEST_F(ToolBoxTest, SelectedHotAndGreyedRowsAreDrawnApart)
{
    m_pane->EnableToolOfKind(104, false);
    QTest::mouseMove(m_list, m_list->Element(kTextRow).rect.center());
    ASSERT_EQ(kTextRow, m_list->HotIndex());
    QImage shot = Shot();

    const QRect pointer = m_list->Element(0).rect;
    EXPECT_EQ(kOutline, shot.pixelColor(pointer.topLeft()));
    EXPECT_EQ(kOutline, shot.pixelColor(pointer.right(), pointer.center().y()));
    EXPECT_EQ(kSelectedFill, shot.pixelColor(pointer.right() - 1, pointer.top() + 1));
    EXPECT_EQ(QColor(Qt::white), shot.pixelColor(pointer.left() - 1, pointer.center().y()));
    const QRect text = m_list->Element(kTextRow).rect;
    EXPECT_EQ(kOutline, shot.pixelColor(text.bottomLeft()));
    EXPECT_EQ(kHotFill, shot.pixelColor(text.right() - 1, text.top() + 1));

    // The icon sits at left + 3, top + 2 inside its 20 px column.
    const QRect textColumn(text.left(), text.top(), 20, 20);
    for (int y = textColumn.top(); y <= textColumn.bottom(); ++y) {
        for (int x = textColumn.left(); x <= textColumn.right(); ++x) {
            if (shot.pixelColor(x, y) != kHotFill && shot.pixelColor(x, y) != kOutline) {
                EXPECT_TRUE(QRect(text.left() + 3, text.top() + 2, 16, 16).contains(x, y)) << x << "," << y;
            }
        }
    }

    // The greyed Queuing row against the enabled Current row below it: the
    // icon loses its colour and the caption takes the disabled text colour.
    auto iconArea = [this](int row) { return QRect(m_list->Element(row).rect.topLeft(), QSize(20, 20)); };
    auto captionArea = [this](int row) { return m_list->Element(row).rect.adjusted(23, 1, -3, -1); };
    EXPECT_GT(CountPixels(shot, iconArea(kQueuingRow + 1), IsSaturated), 0);
    EXPECT_EQ(0, CountPixels(shot, iconArea(kQueuingRow), IsSaturated));
    EXPECT_EQ(0, CountPixels(shot, captionArea(kQueuingRow + 1), IsDisabledTextColour));
    EXPECT_GT(CountPixels(shot, captionArea(kQueuingRow), IsDisabledTextColour), 0);

    // A greyed row does not light up under the mouse; leaving clears the hot row.
    QTest::mouseMove(m_list, m_list->Element(kQueuingRow).rect.center());
    EXPECT_EQ(QColor(Qt::white), Shot().pixelColor(m_list->Element(kQueuingRow).rect.topRight()));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(m_list, &leave);
    EXPECT_EQ(-1, m_list->HotIndex());
}

TEST_F(ToolBoxTest, ScrollBarFollowsThePageArithmetic)
{
    struct Case
    {
        int height;
        bool scrolls;
        int lastPosition;
    };
    // page = height / 20 + 1; the last position is 11 - page + 1.
    const Case cases[] = {{15, false, 0}, {20, true, 10}, {100, true, 6}, {219, true, 1}, {220, false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        ResizeList(160, c.height);
        QScrollBar* bar = m_list->ScrollBar();
        EXPECT_EQ(c.scrolls, bar->isEnabled());
        Wheel(-120 * 20);
        EXPECT_EQ(c.lastPosition, m_list->ScrollPosition());
        if (c.scrolls) {
            EXPECT_EQ(c.lastPosition, bar->maximum());
            EXPECT_EQ(c.height / 20 + 1, bar->pageStep());
            // The end shows the last row whole.
            const QRect last = m_list->Element(kRowCount - 1).rect;
            EXPECT_GE(last.top(), 0);
            EXPECT_LT(last.bottom(), c.height);
            EXPECT_EQ(0, m_list->Element(c.lastPosition).rect.top());
        } else {
            EXPECT_EQ(0, m_list->Element(0).rect.top());
        }
        Wheel(120 * 20);
        EXPECT_EQ(0, m_list->ScrollPosition());
    }
}

TEST_F(ToolBoxTest, WheelAndScrollBarMoveTheRowsUnderTheMouse)
{
    ResizeList(160, 100);
    const int lines = std::min(QApplication::wheelScrollLines(), 6);
    // Two half notches make one.
    Wheel(-60);
    EXPECT_EQ(0, m_list->ScrollPosition());
    Wheel(-60);
    EXPECT_EQ(lines, m_list->ScrollPosition());
    EXPECT_EQ(lines, m_list->ScrollBar()->value());
    EXPECT_EQ(0, m_list->Element(lines).rect.top());

    m_list->ScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(6, m_list->ScrollPosition());
    Click(kRowCount - 1);
    EXPECT_EQ(111, m_pane->SelectedToolId());

    // Growing the pane never leaves blank rows under the last one.
    ResizeList(160, 200);
    EXPECT_EQ(1, m_list->ScrollPosition());
    EXPECT_EQ(-20, m_list->Element(0).rect.top());
    // Nor does the bar take room from the captions once everything fits.
    ResizeList(160, 300);
    EXPECT_FALSE(m_list->ScrollBar()->isVisible());
    EXPECT_EQ(0, m_list->Element(0).rect.top());
    EXPECT_EQ(160 - 3, m_list->Element(0).rect.right() + 1);
}

TEST_F(ToolBoxTest, ATruncatedCaptionShowsWholeAsTooltip)
{
    constexpr int kHorizontalLineRow = 7;
    auto tooltipAt = [this](int row) {
        QToolTip::hideText();
        const QPoint pos = m_list->Element(row).rect.center();
        QHelpEvent help(QEvent::ToolTip, pos, m_list->mapToGlobal(pos));
        QApplication::sendEvent(m_list, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };

    ResizeList(400, 300);
    EXPECT_FALSE(m_list->Element(kHorizontalLineRow).textTruncated);
    EXPECT_TRUE(tooltipAt(kHorizontalLineRow).isEmpty());

    ResizeList(60, 300);
    EXPECT_TRUE(m_list->Element(kHorizontalLineRow).textTruncated);
    EXPECT_EQ(QStringLiteral("Horizontal line"), tooltipAt(kHorizontalLineRow));
    QToolTip::hideText();
}

} // namespace
