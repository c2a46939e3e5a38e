// Arrays for lists that are not identified objects: owned values held by pointer (duplicates
// allowed, no index) and small values held inline. Reads out of range answer a shared default
// value; inserts out of range do nothing; copies are deep and safe against aliasing.
#pragma once

#include <memory>
#include <vector>

#include "kelvara/base/CKelvaraArchive.h"
#include "kelvara/base/Values.h"
#include "kelvara/platform/CObject.h"

template <class T>
class CNonUniquePointerArray : public CObject {
public:
    CNonUniquePointerArray() = default;
    CNonUniquePointerArray(const CNonUniquePointerArray& other) : CObject() { Copy(other); }
    CNonUniquePointerArray& operator=(const CNonUniquePointerArray& other) {
        Copy(other);
        return *this;
    }
    ~CNonUniquePointerArray() override { RemoveAll(); }

    int GetSize() const noexcept { return static_cast<int>(m_items.size()); }
    int GetUpperBound() const noexcept { return GetSize() - 1; }
    // Shrinking destroys the trailing elements; growing appends default elements.
    void SetSize(int size) {
        if (size < 0) size = 0;
        while (GetSize() > size) RemoveAt(GetUpperBound());
        m_items.reserve(static_cast<std::size_t>(size));
        while (GetSize() < size) m_items.push_back(new T());
    }

    const T& getConstReference(int i) const noexcept { return inRange(i) ? *m_items[index(i)] : constDefault(); }
    T& getWritableReference(int i) noexcept { return inRange(i) ? *m_items[index(i)] : writableDefault(); }
    const T& operator[](int i) const noexcept { return getConstReference(i); }
    T& operator[](int i) noexcept { return getWritableReference(i); }

    int Add(const T& value) {
        auto item = std::make_unique<T>();
        *item = value;
        m_items.push_back(item.release());
        return GetUpperBound();
    }
    void InsertAt(int i, const T& value) {
        if (i < 0 || i > GetSize()) return;
        auto item = std::make_unique<T>();
        *item = value;
        m_items.insert(m_items.begin() + i, item.release());
    }
    void InsertAt(int i, const CNonUniquePointerArray& other) {
        if (i < 0 || i > GetSize()) return;
        CNonUniquePointerArray copies(other);  // stable when other is this array
        m_items.insert(m_items.begin() + i, copies.m_items.begin(), copies.m_items.end());
        copies.m_items.clear();
    }
    int Append(const CNonUniquePointerArray& other) {
        const int before = GetSize();
        InsertAt(before, other);
        return before;
    }
    // Takes ownership of object (object first, then position); positions outside 0..size append.
    void Attach(T* object, int i) {
        if (!object) return;
        if (i < 0 || i > GetSize()) i = GetSize();
        m_items.insert(m_items.begin() + i, object);
    }
    [[nodiscard]] T* Detach(int i) {
        if (!inRange(i)) return nullptr;
        T* item = m_items[index(i)];
        m_items.erase(m_items.begin() + i);
        return item;
    }
    void RemoveAt(int i) { delete Detach(i); }
    void RemoveAll() noexcept {
        for (T* item : m_items) delete item;
        m_items.clear();
    }
    void Copy(const CNonUniquePointerArray& other) {
        if (&other == this) return;
        std::vector<T*> fresh;
        fresh.reserve(other.m_items.size());
        try {
            for (const T* item : other.m_items) fresh.push_back(new T(*item));
        } catch (...) {
            for (T* item : fresh) delete item;
            throw;
        }
        RemoveAll();
        m_items.swap(fresh);
    }
    bool changePosition(int target, int source) {
        if (!inRange(target) || !inRange(source)) return false;
        if (target != source) Attach(Detach(source), target);
        return true;
    }

    bool operator==(const CNonUniquePointerArray& other) const {
        if (GetSize() != other.GetSize()) return false;
        for (std::size_t i = 0; i < m_items.size(); ++i)
            if (!(*m_items[i] == *other.m_items[i])) return false;
        return true;
    }
    bool operator!=(const CNonUniquePointerArray& other) const { return !(*this == other); }

    // The count, then each element's own record; framed by marker when one is given.
    void Serialize(CKelvaraArchive& ar, const char* marker) {
        if (marker) ar.checkMarkerStart(marker);
        if (ar.IsStoring()) {
            ar << GetSize();
            for (T* item : m_items) item->Serialize(ar);
        } else {
            RemoveAll();
            const int count = ar.readCount("elements", 1);
            CNonUniquePointerArray loaded;
            for (int i = 0; i < count; ++i) {
                auto item = std::make_unique<T>();
                item->Serialize(ar);
                loaded.m_items.push_back(item.release());
            }
            if (marker) ar.checkMarkerEnd(marker);
            m_items.swap(loaded.m_items);  // taken over only once the whole record has been read
            return;
        }
        if (marker) ar.checkMarkerEnd(marker);
    }
    virtual void Serialize(CKelvaraArchive& ar) { Serialize(ar, "CNonUniquePointerArray"); }

private:
    bool inRange(int i) const noexcept { return i >= 0 && i < GetSize(); }
    static std::size_t index(int i) noexcept { return static_cast<std::size_t>(i); }
    static const T& constDefault() {
        static const T value;
        return value;
    }
    static T& writableDefault() {
        static T value;
        return value;
    }

    std::vector<T*> m_items;
};

template <class T>
class CNonUniqueValueArray : public CObject {
public:
    CNonUniqueValueArray() = default;
    CNonUniqueValueArray(const CNonUniqueValueArray&) = default;
    CNonUniqueValueArray(CNonUniqueValueArray&&) noexcept = default;
    CNonUniqueValueArray& operator=(const CNonUniqueValueArray&) = default;
    CNonUniqueValueArray& operator=(CNonUniqueValueArray&&) noexcept = default;
    ~CNonUniqueValueArray() override = default;

    int GetSize() const noexcept { return static_cast<int>(m_items.size()); }
    int GetUpperBound() const noexcept { return GetSize() - 1; }
    void SetSize(int size) { m_items.resize(static_cast<std::size_t>(size < 0 ? 0 : size)); }
    const T& getConstReference(int i) const noexcept { return inRange(i) ? m_items[index(i)] : constDefault(); }
    T& getWritableReference(int i) noexcept { return inRange(i) ? m_items[index(i)] : writableDefault(); }
    const T& operator[](int i) const noexcept { return getConstReference(i); }
    T& operator[](int i) noexcept { return getWritableReference(i); }

    int Add(const T& value) {
        m_items.push_back(value);
        return GetUpperBound();
    }
    void InsertAt(int i, const T& value) {
        if (i >= 0 && i <= GetSize()) m_items.insert(m_items.begin() + i, value);
    }
    void InsertAt(int i, const CNonUniqueValueArray& other) {
        if (i < 0 || i > GetSize()) return;
        const std::vector<T> copies = other.m_items;
        m_items.insert(m_items.begin() + i, copies.begin(), copies.end());
    }
    int Append(const CNonUniqueValueArray& other) {
        const int before = GetSize();
        InsertAt(before, other);
        return before;
    }
    void Attach(T value, int i) {
        if (i < 0 || i > GetSize()) i = GetSize();
        m_items.insert(m_items.begin() + i, std::move(value));
    }
    [[nodiscard]] T Detach(int i) {
        if (!inRange(i)) return T();
        T value = std::move(m_items[index(i)]);
        m_items.erase(m_items.begin() + i);
        return value;
    }
    void RemoveAt(int i) {
        if (inRange(i)) m_items.erase(m_items.begin() + i);
    }
    void RemoveAll() noexcept { m_items.clear(); }
    void Copy(const CNonUniqueValueArray& other) { m_items = other.m_items; }
    bool changePosition(int target, int source) {
        if (!inRange(target) || !inRange(source)) return false;
        if (target != source) Attach(Detach(source), target);
        return true;
    }

    bool operator==(const CNonUniqueValueArray& other) const {
        if (GetSize() != other.GetSize()) return false;
        for (std::size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i] != other.m_items[i]) return false;
        return true;
    }
    bool operator!=(const CNonUniqueValueArray& other) const { return !(*this == other); }

    // The count, then each element's own record. Loading grows as elements are read.
    virtual void Serialize(CKelvaraArchive& ar) {
        if (ar.IsStoring()) {
            ar << GetSize();
            for (T& item : m_items) item.Serialize(ar);
            return;
        }
        const int count = ar.readCount("values", 1);
        std::vector<T> loaded;
        for (int i = 0; i < count; ++i) loaded.emplace_back().Serialize(ar);
        m_items.swap(loaded);
    }

private:
    bool inRange(int i) const noexcept { return i >= 0 && i < GetSize(); }
    static std::size_t index(int i) noexcept { return static_cast<std::size_t>(i); }
    static const T& constDefault() {
        static const T value;
        return value;
    }
    static T& writableDefault() {
        static T value;
        return value;
    }

    std::vector<T> m_items;
};

class CProjectIntArray : public CNonUniqueValueArray<CProjectInt> {
public:
    CProjectIntArray() = default;
    CProjectIntArray(const CProjectIntArray&) = default;
    CProjectIntArray(CProjectIntArray&&) noexcept = default;
    CProjectIntArray& operator=(const CProjectIntArray&) = default;
    CProjectIntArray& operator=(CProjectIntArray&&) noexcept = default;
    ~CProjectIntArray() override = default;
};

extern template class CNonUniqueValueArray<CProjectInt>;
