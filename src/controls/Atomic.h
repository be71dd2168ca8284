#pragma once

#include <boost/intrusive_ptr.hpp>

#include <atomic>
#include <cstdint>

namespace MarkupUI {

// First base of every control: an atomic reference count for
// boost::intrusive_ptr and the design level the design view keeps.
// A new object starts at count 0; the first intrusive_ptr takes it to 1 and
// the release that brings it back to 0 deletes it, on whichever thread that
// release happens.
class Atomic
{
public:
    Atomic() = default;
    Atomic(const Atomic&) = delete;
    Atomic& operator=(const Atomic&) = delete;
    virtual ~Atomic() = default;

    // 0 here; the form and the design elements answer 101 to 111.
    virtual int GetElementKind() const { return 0; }

    int32_t GetDesignLevel() const { return m_designLevel; }
    void SetDesignLevel(int32_t level) { m_designLevel = level; }

    int32_t GetRefCount() const { return m_refCount.load(std::memory_order_acquire); }

    friend void intrusive_ptr_add_ref(const Atomic* object)
    {
        object->m_refCount.fetch_add(1, std::memory_order_relaxed);
    }
    friend void intrusive_ptr_release(const Atomic* object)
    {
        if (object->m_refCount.fetch_sub(1, std::memory_order_acq_rel) == 1) {
            delete object;
        }
    }

private:
    mutable std::atomic<int32_t> m_refCount{0};
    int32_t m_designLevel = 0;
};

} // namespace MarkupUI
