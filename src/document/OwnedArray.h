#pragma once
// An array of the documents that can take over an array a host allocated with new[]. The
// documents' constructors take the host's arrays as they are, so that the accessors hand back the
// host's own pointers (a host may keep them) until a re-dimensioning needs more room than they
// have. It grows like a vector, frees with delete[], and otherwise reads like one.
#include <algorithm>
#include <cstddef>
#include <utility>

namespace photoquant::detail {

template <class T>
class COwnedArray {
public:
    using value_type = T;

    COwnedArray() = default;
    ~COwnedArray() { delete[] m_pValues; }
    COwnedArray(const COwnedArray&) = delete;
    COwnedArray& operator=(const COwnedArray&) = delete;

    // Takes over the n entries at pValues (allocated with new[], or null for none), freeing the
    // entries held so far. Allocates nothing.
    void vTakeOver(T* pValues, size_t n) {
        delete[] m_pValues;
        m_pValues = pValues;
        m_nSize = pValues != nullptr ? n : 0;
        m_nCapacity = m_nSize;
    }

    size_t size() const { return m_nSize; }
    size_t capacity() const { return m_nCapacity; }
    T* data() { return m_pValues; }
    const T* data() const { return m_pValues; }
    T* begin() { return m_pValues; }
    T* end() { return m_pValues + m_nSize; }
    const T* begin() const { return m_pValues; }
    const T* end() const { return m_pValues + m_nSize; }
    T& operator[](size_t i) { return m_pValues[i]; }
    const T& operator[](size_t i) const { return m_pValues[i]; }

    // Room for n entries; the entries held stay where they are when there is room already.
    // Throws std::bad_alloc, changing nothing, when the system cannot give it.
    void reserve(size_t n) {
        if (n <= m_nCapacity) {
            return;
        }
        T* pGrown = new T[n];
        std::copy(begin(), end(), pGrown);
        delete[] m_pValues;
        m_pValues = pGrown;
        m_nCapacity = n;
    }

    // n entries; those added take the fill value.
    void resize(size_t n, const T& fill = T()) {
        if (n > m_nCapacity) {
            reserve(std::max(n, m_nCapacity + m_nCapacity / 2));
        }
        if (n > m_nSize) {
            std::fill(m_pValues + m_nSize, m_pValues + n, fill);
        }
        m_nSize = n;
    }

private:
    T* m_pValues = nullptr;
    size_t m_nSize = 0;
    size_t m_nCapacity = 0;
};

}  // namespace photoquant::detail
