#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

namespace vantorel {

// Fixed-capacity single-producer single-consumer FIFO. The producer (a MIDI
// backend thread) writes the slot and its write position before raising the
// count; the consumer (GUI thread) reads the slot before lowering the count.
// The count is the only field both threads change. No allocation after
// construction, no locks.
template <typename Slot> class EventRing {
public:
    explicit EventRing(uint16_t capacity)
        : m_slots(std::make_unique<Slot[]>(capacity ? capacity : 1))
        , m_capacity(capacity ? capacity : 1)
    { }

    uint16_t capacity() const { return m_capacity; }
    uint16_t count() const { return m_count.load(std::memory_order_acquire); }

    // Producer side. Refused (false) when the ring is full.
    bool push(const Slot& slot)
    {
        if (m_count.load(std::memory_order_acquire) >= m_capacity)
            return false;
        m_slots[m_write] = slot;
        m_write = (m_write + 1) % m_capacity;
        m_count.fetch_add(1, std::memory_order_release);
        return true;
    }

    // Consumer side: copy of the oldest slot, or false when empty.
    bool peek(Slot& out) const
    {
        if (m_count.load(std::memory_order_acquire) == 0)
            return false;
        out = m_slots[m_read];
        return true;
    }

    void drop()
    {
        if (m_count.load(std::memory_order_acquire) == 0)
            return;
        m_read = (m_read + 1) % m_capacity;
        m_count.fetch_sub(1, std::memory_order_release);
    }

private:
    std::unique_ptr<Slot[]> m_slots;
    uint16_t m_capacity;
    uint16_t m_write = 0; // producer only
    uint16_t m_read = 0; // consumer only
    std::atomic<uint16_t> m_count{0};
};

} // namespace vantorel
