// SPDX-License-Identifier: MIT
#pragma once

// A thread of its own that runs one job at a time, and of the jobs handed over while one
// runs only the newest: each job supersedes the ones before it, as a newer snapshot of a
// file supersedes an older one.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class LatestJobThread
{
public:
    using Job = std::function<void()>;

    LatestJobThread();
    // Runs the waiting job, if any, before the thread ends.
    ~LatestJobThread();
    LatestJobThread(const LatestJobThread&) = delete;
    LatestJobThread& operator=(const LatestJobThread&) = delete;

    // Replaces the job that waits, if any.
    void post(Job job);
    // Returns once no job runs or waits.
    void waitUntilIdle();

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    Job m_waiting;
    bool m_running = false;
    bool m_stopping = false;
    std::thread m_thread;
};
