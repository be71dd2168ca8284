#pragma once

#include <QObject>
#include <QString>

namespace app {

class CMainFrame;

// Writes where the window's parts are on the screen, as JSON, whenever
// that changes: the toolbox rows, the page's origin, the shown property
// rows and the findings of the check. Scripts that drive the designer on a
// display (tests, recordings of tutorials) click by these places instead
// of guessing a layout.
class LayoutReport : public QObject
{
public:
    LayoutReport(CMainFrame& frame, const QString& path);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    QByteArray Describe() const;

    CMainFrame& m_frame;
    QString m_path;
    QByteArray m_written;
};

} // namespace app
