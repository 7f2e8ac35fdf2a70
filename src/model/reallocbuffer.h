#pragma once

#include <QtGlobal>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

// A growable array of plain values kept with realloc: a large block grows
// and shrinks in place where the system can remap it, so neither growing
// nor giving back the unused end copies the whole, and the peak stays low.
template <typename T> class ReallocBuffer
{
    static_assert(std::is_trivially_copyable_v<T>, "realloc moves the bytes");

public:
    ReallocBuffer() = default;
    ReallocBuffer(ReallocBuffer &&other) noexcept { *this = std::move(other); }
    ReallocBuffer &operator=(ReallocBuffer &&other) noexcept
    {
        if (this != &other) {
            m_data = std::move(other.m_data);
            m_size = std::exchange(other.m_size, 0);
            m_capacity = std::exchange(other.m_capacity, 0);
        }
        return *this;
    }

    qsizetype size() const { return m_size; }
    qsizetype capacity() const { return m_capacity; }
    T *data() { return m_data.get(); }
    const T *data() const { return m_data.get(); }
    T *begin() { return m_data.get(); }
    T *end() { return m_data.get() + m_size; }
    T &operator[](qsizetype i) { return m_data.get()[i]; }
    const T &operator[](qsizetype i) const { return m_data.get()[i]; }

    void reserve(qsizetype capacity)
    {
        if (capacity > m_capacity)
            reallocate(capacity);
    }
    // Room for n more values without taking them; grows as appending does,
    // so room asked for again and again costs no copy each time.
    void reserveMore(qsizetype n)
    {
        if (m_size + n > m_capacity)
            reallocate(qMax(m_size + n, m_capacity + m_capacity / 2 + 16));
    }
    // Room for n more values at the end, which the caller then writes.
    T *grow(qsizetype n)
    {
        if (m_size + n > m_capacity)
            reallocate(qMax(m_size + n, m_capacity + m_capacity / 2 + 16));
        T *end = m_data.get() + m_size;
        m_size += n;
        return end;
    }
    void append(const T &value) { *grow(1) = value; }
    void append(const T *values, qsizetype n)
    {
        if (n > 0)
            std::memcpy(grow(n), values, size_t(n) * sizeof(T));
    }
    // Drops the values from size on; the room stays.
    void truncate(qsizetype size)
    {
        if (size < m_size)
            m_size = size;
    }
    void squeeze()
    {
        if (m_size < m_capacity)
            reallocate(m_size);
    }
    void clear()
    {
        m_data.reset();
        m_size = m_capacity = 0;
    }

private:
    struct Free
    {
        void operator()(T *p) const { std::free(p); }
    };

    void reallocate(qsizetype capacity)
    {
        if (capacity == 0) {
            clear();
            return;
        }
        void *moved = std::realloc(m_data.get(), size_t(capacity) * sizeof(T));
        if (!moved)
            throw std::bad_alloc();
        m_data.release();
        m_data.reset(static_cast<T *>(moved));
        m_capacity = capacity;
    }

    std::unique_ptr<T, Free> m_data;
    qsizetype m_size = 0;
    qsizetype m_capacity = 0;
};
