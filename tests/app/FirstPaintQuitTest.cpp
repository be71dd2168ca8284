#include "app/FirstPaintQuit.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Counts its paints, so the test knows the window had drawn when the loop ended.
class CountingWidget : public QWidget
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        ++paints;
        QPainter(this).fillRect(rect(), Qt::white);
    }
};

TEST(FirstPaintQuitTest, TheEventLoopEndsRightAfterTheWindowFirstPaints)
{
    CountingWidget window;
    new app::FirstPaintQuit(&window);
    // A window that never painted would leave the loop only through this.
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(7); });
    window.resize(200, 100);
    window.show();
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_GE(window.paints, 1);
}

} // namespace
