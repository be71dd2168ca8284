#pragma once

#include <QObject>

namespace app {

// Ends the application once the watched window has painted for the first
// time, so start-up can be timed from outside up to the first frame.
// No signals or slots, so no meta-object either.
class FirstPaintQuit : public QObject
{
public:
    explicit FirstPaintQuit(QObject* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_painted = false;
};

} // namespace app
