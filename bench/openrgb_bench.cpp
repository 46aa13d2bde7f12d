// SPDX-License-Identifier: MIT
// The OpenRGB keyboard's costs against an SDK server on a thread of its own, as a separate
// program would run: the time from a mode click on the host's page until the frame arrives
// at the server, and the processor time of the host's thread while it streams a moving
// effect, beside the same thread's time with the keyboard not connected.

#include "benchmain.h"
#include "stopwatch.h"
#include "fakesdkserver.h"
#include "host/app/hostassembly.h"
#include "host/openrgb/networkkeyboard.h"
#include "host/window/hostwindow.h"
#include "host/window/theme.h"
#include "keylight/iparsevantor.h"
#include "keylight/keylightwid.h"
#include "keylight/modecatalogue.h"
#include "platform/profilestore/profilestore.h"
#include "platform/protocol/vantorpacket.h"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <vector>

namespace {
constexpr double kNsPerMs = 1e6;
constexpr double kMsPerS = 1e3;
constexpr double kPercent = 100.0;
constexpr double kMedian = 0.5;
constexpr double kNinetiethPercentile = 0.9;
// Longer than the frame limiter's interval, as a person clicks.
constexpr int kPauseBetweenClicksMs = 60;
constexpr int kWaitForFrameMs = 2000;
constexpr int kStreamSeconds = 10;



bool isFrame(Sdk::PacketId id)
{
    return id == Sdk::PacketId::UpdateLeds || id == Sdk::PacketId::UpdateZoneLeds
        || id == Sdk::PacketId::UpdateSingleLed;
}

// The server runs on its own thread and counts the frames that reach it, with the time of
// the last one on a clock both threads read.
class ServerThread
{
public:
    explicit ServerThread(const QElapsedTimer& clock)
    {
        m_thread.start();
        m_anchor.moveToThread(&m_thread);
        QMetaObject::invokeMethod(
            &m_anchor,
            [this, &clock] {
                m_server = new FakeSdkServer();
                m_server->setControllers({FakeDevices::keyboard()});
                m_server->start();
                m_port = m_server->port();
                QObject::connect(m_server, &FakeSdkServer::packetReceived,
                                 [this, &clock](Sdk::PacketId id) {
                                     if (!isFrame(id))
                                         return;
                                     m_lastFrameNs = clock.nsecsElapsed();
                                     ++m_frames;
                                 });
            },
            Qt::BlockingQueuedConnection);
    }
    ~ServerThread()
    {
        QMetaObject::invokeMethod(&m_anchor, [this] { delete m_server; },
                                  Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    quint16 port() const { return m_port; }
    int frames() const { return m_frames; }
    qint64 lastFrameNs() const { return m_lastFrameNs; }

private:
    QThread m_thread;
    QObject m_anchor;
    FakeSdkServer* m_server = nullptr;
    quint16 m_port = 0;
    std::atomic<int> m_frames{0};
    std::atomic<qint64> m_lastFrameNs{0};
};

SdkClient::Timing patientTiming()
{
    return SdkClient::Timing{};
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

void BM_ClickToWire(benchmark::State& state)
{
    QElapsedTimer clock;
    clock.start();
    ServerThread server(clock);
    QTemporaryDir folder;
    ProfileStore store;
    store.open(ProfileStore::fileNameInFolder(folder.path()));
    NetworkKeyboard keyboard;
    keyboard.client().setTiming(patientTiming());
    HostAssembly host(store, &keyboard);
    HostWindow window(store, host.session(), host.requestLog());
    window.start(0);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        state.SkipWithError("the window was not shown");
    keyboard.client().connectToServer(QStringLiteral("127.0.0.1"), server.port());
    if (!waitUntil([&] { return server.frames() > 0; }, kWaitForFrameMs * 5))
        state.SkipWithError("the keyboard was never lit");

    const int modes[] = {Mode::TurnOff, Mode::Static};
    std::vector<double> latencies;
    std::size_t next = 0;
    for (auto _ : state) {
        QTest::qWait(kPauseBetweenClicksMs);
        const int before = server.frames();
        auto* button = window.page()->findChild<QAbstractButton*>(
            QLatin1String(ModeCatalogue::info(modes[next++ % std::size(modes)]).buttonObject));
        const qint64 pressed = clock.nsecsElapsed();
        QTest::mouseClick(button, Qt::LeftButton);
        if (!waitUntil([&] { return server.frames() > before; }, kWaitForFrameMs)) {
            state.SkipWithError("a click sent no frame");
            break;
        }
        latencies.push_back(double(server.lastFrameNs() - pressed) / kNsPerMs);
    }
    if (latencies.empty())
        return;
    state.counters["median_ms"] = percentile(latencies, kMedian);
    state.counters["p90_ms"] = percentile(latencies, kNinetiethPercentile);
    state.counters["worst_ms"] = *std::max_element(latencies.begin(), latencies.end());
}
BENCHMARK(BM_ClickToWire)->Iterations(200)->Unit(benchmark::kMillisecond)->UseRealTime();

// The host's thread over kStreamSeconds: streaming RAINBOW WAVE, and idle beside it.
void BM_StreamMovingEffect(benchmark::State& state)
{
    QElapsedTimer clock;
    clock.start();
    ServerThread server(clock);
    NetworkKeyboard keyboard;
    keyboard.client().setTiming(patientTiming());
    vantor_light wave;
    wave.mode = Mode::RainbowWave;
    void* packet = nullptr;
    IParseVantor::Instance().buildModeParam(wave, packet);
    const auto size = VantorPacket::packetSize(packet, VantorPacket::headerSize());
    keyboard.send(Request::ModeParam, QByteArray(static_cast<const char*>(packet), int(size)));

    const auto measure = [&] {
        QElapsedTimer wall;
        wall.start();
        const double cpuStart = Stopwatch::threadCpuMs();
        const int framesStart = server.frames();
        // The event loop sleeps between events, as the host's does.
        QEventLoop loop;
        QTimer::singleShot(int(kStreamSeconds * kMsPerS), &loop, &QEventLoop::quit);
        loop.exec();
        const double seconds = double(wall.nsecsElapsed()) / kNsPerMs / kMsPerS;
        return std::pair<double, double>((Stopwatch::threadCpuMs() - cpuStart) / (seconds * kMsPerS),
                                         (server.frames() - framesStart) / seconds);
    };
    for (auto _ : state) {
        const double idleShare = measure().first;
        keyboard.client().connectToServer(QStringLiteral("127.0.0.1"), server.port());
        waitUntil([&] { return server.frames() > 0; }, kWaitForFrameMs * 5);
        const auto [streamShare, fps] = measure();
        keyboard.client().disconnectFromServer();
        state.counters["idle_cpu_percent"] = idleShare * kPercent;
        state.counters["stream_cpu_percent"] = streamShare * kPercent;
        state.counters["extra_cpu_percent"] = (streamShare - idleShare) * kPercent;
        state.counters["fps"] = fps;
        state.counters["leds"] = double(FakeDevices::keyboard().leds.size());
    }
}
BENCHMARK(BM_StreamMovingEffect)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [](QApplication& app) { Theme::apply(app); });
}
