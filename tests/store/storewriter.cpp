// Helper of tst_storekill: opens a store in the file named on the command line and
// changes it without end, reporting each change once it is saved. The counter of saved
// changes goes into profile 0's STATIC record, foreground red, green and blue.

#include "platform/profilestore/profilestore.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    ProfileStore store;
    const ProfileStore::OpenResult result = store.open(QString::fromLocal8Bit(argv[1]));
    if (!result.message.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(result.message));
        return 1;
    }
    std::printf("opened\n");
    std::fflush(stdout);
    for (quint32 n = 1;; ++n) {
        // Black keys are left out of the file, so it grows and shrinks from save to save
        // and a torn write could not pass for a whole one.
        vantor_light_custom custom;
        for (int led = 0; led < kLedCount; led += int(n % 7) + 1)
            custom.led[3 * led] = uchar(n | 1u);
        store.writeCustomLed(uchar(n % kProfileCount), custom);
        vantor_light counter;
        counter.fg_r = uchar(n);
        counter.fg_g = uchar(n >> 8);
        counter.fg_b = uchar(n >> 16);
        store.writeModeParam(0, counter);
        if (!store.lastError().isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(store.lastError()));
            return 3;
        }
        std::printf("saved %u\n", n);
        std::fflush(stdout);
    }
}
