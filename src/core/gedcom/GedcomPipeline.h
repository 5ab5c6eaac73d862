// Batches handed from one thread to another in order, through a bounded
// number of slots: the producer blocks when the consumer is behind, so
// memory stays bounded whatever the size of the input. Batches come back
// empty for reuse, so their buffers are allocated once.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

template <class T> class CHandOver {
public:
    explicit CHandOver(std::size_t slots) : m_nSlots(slots) {}

    // Producer: a batch to fill (one given back, or a new one while slots
    // are free); waits while every slot is in use.
    T Fresh() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_free.empty() || m_nOut < m_nSlots; });
        if (!m_free.empty()) {
            T batch = std::move(m_free.front());
            m_free.pop_front();
            return batch;
        }
        ++m_nOut;
        return T();
    }
    void Give(T&& batch) {
        {
            std::lock_guard lock(m_mutex);
            m_full.push_back(std::move(batch));
        }
        m_changed.notify_all();
    }
    // Batches given and not yet taken: how far the producer is ahead.
    std::size_t Waiting() {
        std::lock_guard lock(m_mutex);
        return m_full.size();
    }
    void Close() {
        {
            std::lock_guard lock(m_mutex);
            m_bClosed = true;
        }
        m_changed.notify_all();
    }

    // Consumer: the next batch in order, or nothing once closed and drained.
    std::optional<T> Next() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_full.empty() || m_bClosed; });
        if (m_full.empty())
            return std::nullopt;
        T batch = std::move(m_full.front());
        m_full.pop_front();
        return batch;
    }
    void Return(T&& batch) {
        {
            std::lock_guard lock(m_mutex);
            m_free.push_back(std::move(batch));
        }
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<T> m_full;
    std::deque<T> m_free;
    std::size_t m_nSlots;
    std::size_t m_nOut = 0;
    bool m_bClosed = false;
};

// Runs produce (true while more is to come) on a second thread and consume
// on this one, batch by batch in order; on one thread when no second can
// be had. produce is told whether the consumer is behind (two batches or
// more waiting), so that it can take over work the consumer could do.
template <class T, class Produce, class Consume>
void RunGedcomPipeline(Produce produce, Consume consume) {
    CHandOver<T> hand(4);
    std::thread reader;
    try {
        reader = std::thread([&] {
            for (bool more = true; more;) {
                T batch = hand.Fresh();
                more = produce(batch, hand.Waiting() >= 2);
                hand.Give(std::move(batch));
            }
            hand.Close();
        });
    } catch (const std::system_error&) {
        T batch;
        for (bool more = true; more;) {
            more = produce(batch, false);
            consume(batch);
        }
        return;
    }
    while (auto batch = hand.Next()) {
        consume(*batch);
        hand.Return(std::move(*batch));
    }
    reader.join();
}
