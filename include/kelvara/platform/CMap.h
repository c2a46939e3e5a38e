// Hash map with the classic keyed-map interface. The bucket count is fixed at construction;
// the walk order (GetStartPosition / GetNextAssoc) is bucket order, i.e. unspecified.
#pragma once

#include <cstdint>
#include <cwchar>
#include <vector>

#include "kelvara/platform/CString.h"
#include "kelvara/platform/Types.h"

template <class ARG_KEY>
inline UINT HashKey(ARG_KEY key) {
    return static_cast<UINT>(static_cast<std::uint64_t>(key) >> 4);
}

template <>
inline UINT HashKey<const wchar_t*>(const wchar_t* key) {
    std::uint32_t h = 2166136261u;  // FNV-1a over the code points
    for (; key && *key; ++key) h = (h ^ static_cast<std::uint32_t>(*key)) * 16777619u;
    return h;
}

template <>
inline UINT HashKey<const CString&>(const CString& key) {
    return HashKey<const wchar_t*>(key.GetString());
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap {
public:
    explicit CMap(UINT hashSize = 17) : m_buckets(hashSize ? hashSize : 1, nullptr) {}
    CMap(const CMap&) = delete;
    CMap& operator=(const CMap&) = delete;
    ~CMap() { RemoveAll(); }

    int GetCount() const noexcept { return m_count; }
    int GetSize() const noexcept { return m_count; }
    bool IsEmpty() const noexcept { return m_count == 0; }
    UINT GetHashTableSize() const noexcept { return static_cast<UINT>(m_buckets.size()); }

    bool Lookup(ARG_KEY key, VALUE& value) const {
        const Assoc* a = find(key);
        if (!a) return false;
        value = a->value;
        return true;
    }
    const VALUE* PLookup(ARG_KEY key) const {
        const Assoc* a = find(key);
        return a ? &a->value : nullptr;
    }
    VALUE* PLookup(ARG_KEY key) {
        Assoc* a = find(key);
        return a ? &a->value : nullptr;
    }
    // The entry for key, created with a default value when missing.
    VALUE& operator[](ARG_KEY key) {
        if (Assoc* a = find(key)) return a->value;
        const UINT h = HashKey<ARG_KEY>(key);
        auto* a = new Assoc{m_buckets[bucketOf(h)], h, KEY(key), VALUE()};
        m_buckets[bucketOf(h)] = a;
        ++m_count;
        return a->value;
    }
    void SetAt(ARG_KEY key, ARG_VALUE value) { (*this)[key] = value; }

    bool RemoveKey(ARG_KEY key) {
        const UINT h = HashKey<ARG_KEY>(key);
        for (Assoc** link = &m_buckets[bucketOf(h)]; *link; link = &(*link)->next) {
            if ((*link)->hash == h && (*link)->key == key) {
                Assoc* dead = *link;
                *link = dead->next;
                delete dead;
                --m_count;
                return true;
            }
        }
        return false;
    }
    void RemoveAll() noexcept {
        for (auto& head : m_buckets) {
            while (head) {
                Assoc* next = head->next;
                delete head;
                head = next;
            }
        }
        m_count = 0;
    }

    POSITION GetStartPosition() const noexcept { return toPosition(firstFrom(0)); }
    // Fills key and value from the entry at pos and moves pos to the next entry (null at the end).
    void GetNextAssoc(POSITION& pos, KEY& key, VALUE& value) const {
        const Assoc* a = reinterpret_cast<const Assoc*>(pos);
        if (!a) return;
        key = a->key;
        value = a->value;
        const Assoc* next = a->next ? a->next : firstFrom(bucketOf(a->hash) + 1);
        pos = toPosition(next);
    }

private:
    struct Assoc {
        Assoc* next;
        UINT hash;
        KEY key;
        VALUE value;
    };

    std::size_t bucketOf(UINT h) const noexcept { return h % m_buckets.size(); }
    Assoc* find(ARG_KEY key) const {
        const UINT h = HashKey<ARG_KEY>(key);
        for (Assoc* a = m_buckets[bucketOf(h)]; a; a = a->next)
            if (a->hash == h && a->key == key) return a;
        return nullptr;
    }
    const Assoc* firstFrom(std::size_t bucket) const noexcept {
        for (; bucket < m_buckets.size(); ++bucket)
            if (m_buckets[bucket]) return m_buckets[bucket];
        return nullptr;
    }
    static POSITION toPosition(const Assoc* a) noexcept {
        return reinterpret_cast<POSITION>(const_cast<Assoc*>(a));
    }

    std::vector<Assoc*> m_buckets;
    int m_count = 0;
};
