// SPDX-License-Identifier: MIT
#pragma once

// Short waits for the SDK client in the tests, so that a silent or absent server costs the
// suites little; the order of events is what they test, never a duration.

#include "host/transport/openrgb/sdkclient.h"

inline SdkClient::Timing quickTiming()
{
    SdkClient::Timing timing;
    timing.connectMs = 2000;
    timing.answerMs = 300;
    timing.versionMs = 100;
    timing.firstRetryMs = 20;
    timing.longestRetryMs = 80;
    return timing;
}

// How long a suite waits for what must happen; far longer than it ever takes.
constexpr int kWaitMs = 10000;
