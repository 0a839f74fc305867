#pragma once

#include "db/Connection.h"

#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <optional>
#include <thread>

// Another workstation inside a write transaction: on a thread and connection
// of its own it holds the table's write lock from construction (which returns
// once the lock is held) until it is released or destroyed.
class WriteLockHolder {
public:
    WriteLockHolder(const db::DatabaseUrl &url, const QString &table)
    {
        std::promise<void> held;
        std::future<void> ready = held.get_future();
        m_thread = std::thread([this, url, table, held = std::move(held)]() mutable {
            try {
                db::Connection other(url);
                other.open();
                other.transaction([&] {
                    other.lockForWriting(table);
                    held.set_value();
                    waitForRelease();
                });
            } catch (...) {
                held.set_exception(std::current_exception());
            }
        });
        ready.get();
    }
    ~WriteLockHolder() { release(); }

    // Ends the transaction after the delay, on the holder's thread; returns at once.
    void releaseAfter(std::chrono::milliseconds delay)
    {
        std::lock_guard lock(m_mutex);
        m_releaseAt = std::chrono::steady_clock::now() + delay;
        m_changed.notify_all();
    }
    // Ends the transaction and waits until it has ended.
    void release()
    {
        releaseAfter(std::chrono::milliseconds(0));
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    void waitForRelease()
    {
        std::unique_lock lock(m_mutex);
        while (!m_releaseAt || std::chrono::steady_clock::now() < *m_releaseAt) {
            if (m_releaseAt)
                m_changed.wait_until(lock, *m_releaseAt);
            else
                m_changed.wait(lock);
        }
    }

    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<std::chrono::steady_clock::time_point> m_releaseAt;
};
