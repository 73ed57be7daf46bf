#pragma once
// The framework's growable array. Members keep their framework names; an index outside the array
// throws std::out_of_range, the framework's invalid-argument exception.
#include <stdexcept>
#include <string>
#include <vector>

using INT_PTR = long;

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
public:
    CArray() = default;
    virtual ~CArray() = default;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    bool IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    void SetSize(INT_PTR nNewSize) {
        m_data.resize(static_cast<size_t>(nNewSize < 0 ? 0 : nNewSize));
    }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_data.at(Checked(nIndex)); }
    TYPE& ElementAt(INT_PTR nIndex) { return m_data.at(Checked(nIndex)); }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_data.at(Checked(nIndex)) = newElement; }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
    const TYPE* GetData() const { return m_data.data(); }
    TYPE* GetData() { return m_data.data(); }

    INT_PTR Add(ARG_TYPE newElement) {
        m_data.push_back(newElement);
        return GetUpperBound();
    }
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement) {
        if (nIndex < 0) {
            throw std::out_of_range("CArray index");
        }
        if (nIndex >= GetSize()) {
            SetSize(nIndex + 1);
        }
        m_data[static_cast<size_t>(nIndex)] = newElement;
    }
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1) {
        if (nIndex < 0 || nCount < 0) {
            throw std::out_of_range("CArray index");
        }
        if (nIndex > GetSize()) {
            SetSize(nIndex);
        }
        m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), newElement);
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1) {
        if (nIndex < 0 || nCount < 0 || nIndex + nCount > GetSize()) {
            throw std::out_of_range("CArray index");
        }
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }
    void RemoveAll() { m_data.clear(); }
    void Copy(const CArray& src) { m_data = src.m_data; }
    INT_PTR Append(const CArray& src) {
        const INT_PTR nOldSize = GetSize();
        m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end());
        return nOldSize;
    }

private:
    size_t Checked(INT_PTR nIndex) const {
        if (nIndex < 0 || nIndex >= GetSize()) {
            throw std::out_of_range("CArray index");
        }
        return static_cast<size_t>(nIndex);
    }

    std::vector<TYPE> m_data;
};

class CObject;

// Arrays of object pointers and of texts. They never own what they point to.
class CObArray : public CArray<CObject*, CObject*> {};
class CPtrArray : public CArray<void*, void*> {};
class CStringArray : public CArray<std::string, const std::string&> {};

// A pointer array whose elements are read and written as TYPE, over an untyped array BASE_CLASS.
template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS {
public:
    TYPE GetAt(INT_PTR nIndex) const { return static_cast<TYPE>(BASE_CLASS::GetAt(nIndex)); }
    TYPE operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    void SetAt(INT_PTR nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
    INT_PTR Add(TYPE newElement) { return BASE_CLASS::Add(newElement); }
    void InsertAt(INT_PTR nIndex, TYPE newElement, INT_PTR nCount = 1) {
        BASE_CLASS::InsertAt(nIndex, newElement, nCount);
    }
};
