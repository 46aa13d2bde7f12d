// SPDX-License-Identifier: MIT
#include "platform/profilestore/latestjobthread.h"

#include <utility>

LatestJobThread::LatestJobThread()
    : m_thread([this] { run(); })
{
}

LatestJobThread::~LatestJobThread()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void LatestJobThread::post(Job job)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_waiting = std::move(job);
    }
    m_changed.notify_all();
}

void LatestJobThread::waitUntilIdle()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_running && !m_waiting; });
}

void LatestJobThread::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || m_waiting; });
        if (!m_waiting)
            return; // stopping, and nothing left to do
        Job job = std::move(m_waiting);
        m_waiting = nullptr;
        m_running = true;
        lock.unlock();
        job();
        lock.lock();
        m_running = false;
        m_changed.notify_all();
    }
}
