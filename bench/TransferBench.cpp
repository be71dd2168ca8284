// What the host adds per buffer when an upload goes out: the real USB port
// and transfer sequencer write the encoded upload of a 1,000-element
// template to a pseudo terminal standing in for the printer's node, which a
// thread drains as fast as it can. The link, not the host, must bound the
// upload, so the host's share per buffer has to stay far below the time a
// buffer spends on the wire.
#include "BenchMain.h"
#include "BenchTemplates.h"
#include "PtyNode.h"

#include "device/UploadEncoder.h"
#include "device/link/TransferPort.h"
#include "device/link/TransferSequencer.h"
#include "document/DesignerDoc.h"
#include "platform/Logger.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/post.hpp>

#include <poll.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// The real port for writes; a pseudo terminal knows no printer-class soft
// reset, so that one completes at once, as an idle printer's would.
class PtyTransferPort final : public device::TransferPort
{
public:
    PtyTransferPort(device::usb_port& port, boost::asio::io_context& context)
        : m_real(port), m_context(context)
    {
    }

    bool IsOpen() const override { return m_real.IsOpen(); }
    void Cancel() override { m_real.Cancel(); }
    void AsyncWrite(boost::asio::const_buffer data, Handler handler) override
    {
        // Host time between the previous write's completion and this write.
        if (m_completedAt != Clock::time_point{}) {
            m_hostTime += Clock::now() - m_completedAt;
            ++m_gaps;
        }
        m_real.AsyncWrite(data, [this, handler = std::move(handler)](const boost::system::error_code& ec,
                                                                     std::size_t bytes) {
            m_completedAt = Clock::now();
            handler(ec, bytes);
        });
    }
    void AsyncSoftReset(boost::asio::const_buffer, boost::asio::mutable_buffer, Handler handler) override
    {
        boost::asio::post(m_context, [handler = std::move(handler)] { handler({}, 0); });
    }

    void ResetTimes()
    {
        m_completedAt = {};
        m_hostTime = {};
        m_gaps = 0;
    }
    double HostMicrosPerBuffer() const
    {
        return m_gaps == 0 ? 0.0
                           : std::chrono::duration<double, std::micro>(m_hostTime).count() / double(m_gaps);
    }

private:
    device::UsbTransferPort m_real;
    boost::asio::io_context& m_context;
    Clock::time_point m_completedAt;
    Clock::duration m_hostTime{};
    long m_gaps = 0;
};

// Reads everything written to the node until stopped.
void Drain(int master, const std::atomic<bool>& stop)
{
    char chunk[65536];
    pollfd readable{master, POLLIN, 0};
    while (!stop.load()) {
        if (::poll(&readable, 1, 20) > 0 && ::read(master, chunk, sizeof chunk) < 0) {
            return;
        }
    }
}

device::BufferList CopyOf(const device::BufferList& list)
{
    device::BufferList copy;
    for (std::size_t i = 0; i < list.size(); ++i) {
        copy.Append(list[i].bytes());
    }
    return copy;
}

void BM_TransferUpload(benchmark::State& state)
{
    document::CDesignerDoc doc;
    doc.OnOpenDocument(bench::TemplatePath(int(state.range(0)), bench::WorkDir()));
    document::ShowAsDesignView(doc);
    const device::BufferList upload = device::EncodeTemplateUpload(*doc.GetForm());

    device_test::pty_node node;
    boost::asio::io_context context;
    auto work = boost::asio::make_work_guard(context);
    device::usb_port port(context);
    boost::system::error_code ec;
    port.open(node.path(), ec);
    if (ec) {
        state.SkipWithError("cannot open the pseudo terminal");
        return;
    }
    std::atomic<bool> stop{false};
    std::thread drainer(Drain, node.master(), std::cref(stop));
    std::thread io([&context] { context.run(); });

    PtyTransferPort transferPort(port, context);
    std::mutex mutex;
    std::condition_variable finished;
    int lastStep = 0;
    device::TransferSequencer sequencer(transferPort, [&](int step, int count) {
        if (step == count || step < 0) {
            std::lock_guard lock(mutex);
            lastStep = step;
            finished.notify_one();
        }
    });

    double hostMicros = 0;
    double wallMicrosPerBuffer = 0;
    for (auto _ : state) {
        state.PauseTiming();
        device::BufferList list = CopyOf(upload);
        boost::asio::post(context, [&transferPort] { transferPort.ResetTimes(); });
        lastStep = 0;
        state.ResumeTiming();
        const auto started = Clock::now();
        sequencer.StartTransfer(std::move(list));
        std::unique_lock lock(mutex);
        finished.wait(lock, [&] { return lastStep != 0; });
        wallMicrosPerBuffer =
            std::chrono::duration<double, std::micro>(Clock::now() - started).count() / double(upload.size());
        if (lastStep < 0) {
            state.SkipWithError("the transfer failed");
            break;
        }
        hostMicros = transferPort.HostMicrosPerBuffer();
    }
    state.counters["buffers"] = double(upload.size());
    state.counters["host_us_per_buffer"] = hostMicros;
    state.counters["wall_us_per_buffer"] = wallMicrosPerBuffer;

    work.reset();
    context.stop();
    io.join();
    stop = true;
    drainer.join();
}
BENCHMARK(BM_TransferUpload)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    // The port code logs as it does in the designer: to a file, errors only.
    return bench::RunBenchmarks(argc, argv, [] {
        platform::LoggingSettings logging = platform::DefaultLoggingSettings();
        logging.directory = (bench::WorkDir() + QStringLiteral("/log")).toStdString();
        platform::InitLogging(logging);
    });
}
