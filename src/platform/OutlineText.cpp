#include "platform/OutlineText.h"

#include <QCoreApplication>
#include <QPainter>
#include <QThread>
#include <QTransform>

#include <cmath>
#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <utility>

namespace platform {

namespace {

// Qt's own limit, which its environment variable may change.
double OutlineLimit()
{
    static const double limit = [] {
        const int set = qEnvironmentVariableIntValue("QT_MAX_CACHED_GLYPH_SIZE");
        return double(set != 0 ? set : 64);
    }();
    return limit;
}

struct Job
{
    QImage patch;
    QPoint offset;
    QRect rect;
    int flags = 0;
    QString text;
    QFont font;
    QColor color;
};

void Paint(Job& job)
{
    QPainter painter(&job.patch);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setTransform(QTransform::fromTranslate(job.offset.x(), job.offset.y()));
    painter.setFont(job.font);
    painter.setPen(job.color);
    painter.drawText(job.rect, job.flags, job.text);
}

// A copy sharing nothing with the original: a font keeps the engines it was
// last drawn with, and those belong to the thread that loaded them.
QFont DetachedFont(const QFont& font)
{
    QFont copy(font);
    // Changing the strategy detaches the copy and drops its engines; the
    // second call puts the value back, the mask which attributes were set.
    copy.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() ^ QFont::PreferQuality));
    copy.setStyleStrategy(font.styleStrategy());
    copy.setResolveMask(font.resolveMask());
    return copy;
}

// The thread outline text is drawn on. It lives from the first outline text
// until the application ends, so its font engines stay loaded in between.
class OutlineThread
{
public:
    static OutlineThread& Instance()
    {
        // Never destroyed: a call may come after the application's end.
        static OutlineThread* const instance = new OutlineThread;
        return *instance;
    }

    // False when there is no thread to take the task (no application, or it
    // is ending); the caller then runs it itself.
    bool Submit(std::packaged_task<QImage()>& task)
    {
        std::lock_guard lock(m_mutex);
        if (!StartLocked()) {
            return false;
        }
        m_tasks.push_back(std::move(task));
        m_wake.notify_one();
        return true;
    }

private:
    OutlineThread() = default;

    bool StartLocked()
    {
        if (m_thread != nullptr) {
            return !m_stopping;
        }
        if (QCoreApplication::instance() == nullptr) {
            return false;
        }
        m_thread = QThread::create([this] { Run(); });
        m_thread->start();
        // Ended with the application, while Qt's font database still exists.
        qAddPostRoutine(&StopInstance);
        return true;
    }

    void Run()
    {
        for (;;) {
            std::packaged_task<QImage()> task;
            {
                std::unique_lock lock(m_mutex);
                m_wake.wait(lock, [this] { return m_stopping || !m_tasks.empty(); });
                if (m_tasks.empty()) {
                    return;
                }
                task = std::move(m_tasks.front());
                m_tasks.pop_front();
            }
            task();
        }
    }

    static void StopInstance() { Instance().Stop(); }

    void Stop()
    {
        QThread* thread = nullptr;
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
            thread = m_thread;
            m_wake.notify_one();
        }
        if (thread != nullptr) {
            thread->wait();
            delete thread;
        }
        // A later application starts a thread of its own.
        std::lock_guard lock(m_mutex);
        m_thread = nullptr;
        m_stopping = false;
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::packaged_task<QImage()>> m_tasks;
    QThread* m_thread = nullptr;
    bool m_stopping = false;
};

} // namespace

bool OutlineText::IsDrawnAsOutlines(const QFont& font, int dpi)
{
    // The pixel size Qt's font engine gets, and the test of QPaintEngineEx.
    double pixels = font.pixelSize();
    if (pixels <= 0) {
        pixels = std::round(std::floor(font.pointSizeF() * dpi / 72.0 * 100.0 + 0.5) / 100.0);
    }
    const double limit = OutlineLimit();
    return pixels * pixels > limit * limit;
}

QImage OutlineText::Draw(QImage patch, QPoint offset, const QRect& rect, int flags, const QString& text,
                         const QFont& font, QColor color)
{
    // The image the job draws on is the one given back: a patch the caller
    // still shares comes back as a drawn copy.
    std::packaged_task<QImage()> task(
        [job = Job{std::move(patch), offset, rect, flags, text, DetachedFont(font), color}]() mutable {
            Paint(job);
            return std::move(job.patch);
        });
    std::future<QImage> drawn = task.get_future();
    if (!OutlineThread::Instance().Submit(task)) {
        task();
    }
    return drawn.get();
}

} // namespace platform
