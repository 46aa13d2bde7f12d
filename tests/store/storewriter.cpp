// SPDX-License-Identifier: MIT
// Helper of tst_storekill: opens a store in the file named on the command line and
// changes it without end. The counter of changes goes into profile 0's STATIC record,
// foreground red, green and blue.
//   storewriter FILE          saves every change before reporting it: "saved N"
//   storewriter FILE deferred saves as the host's window does, in the background, while
//                             it reports each change with the time it was made:
//                             "changed N MS" (milliseconds since the epoch)
//   storewriter FILE exit     makes change 1 in the built-in store, saving as the window
//                             does, and returns from main with the save still waiting and
//                             a save listener whose object is gone by then

#include "host/app/hostlauncher.h"
#include "platform/profilestore/profilestore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <cstring>

namespace {
// Faster than a person clicks, so the coalescing always has a burst to fold.
constexpr int kChangeEveryMs = 10;
// As a person does, a burst of changes stays in one profile for a while.
constexpr quint32 kChangesPerProfile = 50;

// Black keys are left out of the file, so it grows and shrinks from change to change and a
// torn write could not pass for a whole one.
void change(ProfileStore& store, quint32 n)
{
    vantor_light_custom custom;
    for (int led = 0; led < kLedCount; led += int(n % 7) + 1)
        custom.led[3 * led] = uchar(n | 1u);
    store.writeCustomLed(uchar(n / kChangesPerProfile % kProfileCount), custom);
    vantor_light counter;
    counter.fg_r = uchar(n);
    counter.fg_g = uchar(n >> 8);
    counter.fg_b = uchar(n >> 16);
    store.writeModeParam(0, counter);
}
} // namespace

// What a small program does with the built-in store: it never closes it, and it ends
// while its last change waits for the quiet moment.
int exitWithSavePending(const char* filePath)
{
    ProfileStore& store = ProfileStore::builtin();
    const ProfileStore::OpenResult result = store.open(QString::fromLocal8Bit(filePath));
    if (!result.message.isEmpty())
        return 1;
    store.setDeferredSaving(HostLauncher::kSaveQuietMs, HostLauncher::kSaveLongestMs);
    auto saves = std::make_unique<int>(0);
    store.setSaveListener([count = saves.get()] { ++*count; });
    change(store, 1);
    return 0;
}

int main(int argc, char* argv[])
{
    if (argc < 2)
        return 2;
    QCoreApplication app(argc, argv); // deferred saving needs an event loop
    if (argc == 3 && std::strcmp(argv[2], "exit") == 0)
        return exitWithSavePending(argv[1]);
    const bool deferred = argc == 3 && std::strcmp(argv[2], "deferred") == 0;
    ProfileStore store;
    const ProfileStore::OpenResult result = store.open(QString::fromLocal8Bit(argv[1]));
    if (!result.message.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(result.message));
        return 1;
    }
    std::printf("opened\n");
    std::fflush(stdout);
    quint32 n = 0;
    if (!deferred) {
        for (;;) {
            change(store, ++n);
            if (!store.lastError().isEmpty()) {
                std::fprintf(stderr, "%s\n", qPrintable(store.lastError()));
                return 3;
            }
            std::printf("saved %u\n", n);
            std::fflush(stdout);
        }
    }
    store.setDeferredSaving(HostLauncher::kSaveQuietMs, HostLauncher::kSaveLongestMs);
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        change(store, ++n);
        std::printf("changed %u %lld\n", n, QDateTime::currentMSecsSinceEpoch());
        std::fflush(stdout);
    });
    ticker.start(kChangeEveryMs);
    return QCoreApplication::exec();
}
