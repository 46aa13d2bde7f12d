// Helper of tst_storekill: opens a store in the file named on the command line and
// changes it without end, reporting each change once it is saved. The counter of saved
// changes goes into profile 0's STATIC record, foreground red, green and blue.

#include "platform/profilestore/profilestore.h"

#include <cstdio>

namespace {
// The changes alternate between kinds that make the file grow and shrink, so a torn
// write could not pass for a whole one.
void changeSomething(ProfileStore& store, quint32 n)
{
    switch (n % 3) {
    case 0: {
        vantor_light_custom custom; // all black: the shortest file
        for (int led = 0; led < kLedCount; led += int(n % 7) + 1)
            custom.led[3 * led] = uchar(n);
        custom.brightness = uchar(n);
        store.writeCustomLed(uchar(n % kProfileCount), custom);
        break;
    }
    case 1: {
        std::vector<custom_color> colours(kCustomColorSlots);
        colours[n % kCustomColorSlots] = {1, uchar(n), uchar(n >> 8), 7, 255};
        store.writeCustomColors(uchar(n % kProfileCount), int(n % 2), colours);
        break;
    }
    default: {
        vantor_filter filter;
        for (int led = 0; led < kLedCount; led += 2)
            filter.zone[(n + quint32(led)) % kSubModeCount][led] = 1;
        store.writeMultizoneParams(uchar(n % kProfileCount), std::vector<vantor_light>(4),
                                   filter);
        break;
    }
    }
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: storewriter FILE\n");
        return 2;
    }
    ProfileStore store;
    const ProfileStore::OpenResult result = store.open(QString::fromLocal8Bit(argv[1]));
    if (!result.message.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(result.message));
        return 1;
    }
    std::printf("opened\n");
    std::fflush(stdout);
    for (quint32 n = 1;; ++n) {
        changeSomething(store, n);
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
