#include "app/FirstPaintQuit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace app {

FirstPaintQuit::FirstPaintQuit(QObject* window) : QObject(window)
{
    window->installEventFilter(this);
}

bool FirstPaintQuit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        // Quit only after the whole paint pass (the children too) has run.
        QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace app
