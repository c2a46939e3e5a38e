// The definitions of the per-kind geometry list, included only by the files that instantiate it
// for the seventeen kinds. Every operation that reads another list first checks whether that
// list is this one and then works from the content as it was, so self-copy, self-append and
// self-insert neither lose nor repeat elements.
#pragma once

#include <algorithm>
#include <utility>

#include "kelvara/model3d/CGeometryArray.h"
#include "kelvara/platform/Exceptions.h"

// ---- the operations every per-kind list shares ----

template <class I>
int ISimpleGeometryArray<I>::Append(const ISimpleGeometryArray& other) {
    const int before = GetSize();
    // For a self-append the count is read once: the elements added are not walked again.
    const int n = other.GetSize();
    for (int k = 0; k < n; ++k) Add(*other.elementAt(k));
    return before;
}

template <class I>
void ISimpleGeometryArray<I>::Copy(const ISimpleGeometryArray& other) {
    if (&other == this) return;
    const int n = other.GetSize();
    std::vector<std::unique_ptr<I>> copies;
    copies.reserve(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        copies.emplace_back(createElement());
        copies.back()->copyFrom(*other.elementAt(k));
    }
    adopt(copies.data(), n);
}

template <class I>
bool ISimpleGeometryArray<I>::changePosition(int a, int b) {
    const int n = GetSize();
    if (a < 0 || a >= n || b < 0 || b >= n) return false;
    if (a == b) return true;
    Attach(Detach(b), a);
    return true;
}

template <class I>
bool ISimpleGeometryArray<I>::operator==(const ISimpleGeometryArray& other) const {
    if (&other == this) return true;
    const int n = GetSize();
    if (n != other.GetSize()) return false;
    for (int k = 0; k < n; ++k)
        if (!(*elementAt(k) == *other.elementAt(k))) return false;
    return true;
}

template <class I>
void ISimpleGeometryArray<I>::Serialize(CKelvaraArchive& ar, const char* marker) {
    if (marker) ar.checkMarkerStart(marker);
    if (ar.IsStoring()) {
        const int n = GetSize();
        ar << n;
        for (int k = 0; k < n; ++k) const_cast<I*>(elementAt(k))->Serialize(ar);
    } else {
        const int n = ar.readCount("geometries", CKelvaraArchive::kMinRecordBytes);
        std::vector<std::unique_ptr<I>> loaded;
        loaded.reserve(static_cast<std::size_t>(n));
        for (int k = 0; k < n; ++k) {
            loaded.emplace_back(createElement());
            loaded.back()->Serialize(ar);
        }
        adopt(loaded.data(), n);
    }
    if (marker) ar.checkMarkerEnd(marker);
}

// ---- the stored list ----

template <class I, class C, class Base>
CSimpleGeometryArray<I, C, Base>::CSimpleGeometryArray(const CSimpleGeometryArray& other) : Base() {
    this->Copy(other);
}

template <class I, class C, class Base>
CSimpleGeometryArray<I, C, Base>& CSimpleGeometryArray<I, C, Base>::operator=(const CSimpleGeometryArray& other) {
    this->Copy(other);
    return *this;
}

template <class I, class C, class Base>
CSimpleGeometryArray<I, C, Base>& CSimpleGeometryArray<I, C, Base>::operator=(CSimpleGeometryArray&& other) noexcept {
    if (this != &other) {
        RemoveAll();
        m_items = std::move(other.m_items);
        other.m_items.clear();
    }
    return *this;
}

template <class I, class C, class Base>
CSimpleGeometryArray<I, C, Base>::~CSimpleGeometryArray() {
    for (C* e : m_items) delete e;
}

template <class I, class C, class Base>
const C& CSimpleGeometryArray<I, C, Base>::readDefault() {
    static const C object;
    return object;
}

template <class I, class C, class Base>
C& CSimpleGeometryArray<I, C, Base>::writeDefault() {
    static C object;
    return object;
}

template <class I, class C, class Base>
CWrapperHandle<I> CSimpleGeometryArray<I, C, Base>::getConstReference(int i) const {
    const C* e = inRange(i) ? m_items[static_cast<std::size_t>(i)] : &readDefault();
    return CWrapperHandle<I>(new CBasicHandle<I, C>(e));
}

template <class I, class C, class Base>
CWritableWrapperHandle<I> CSimpleGeometryArray<I, C, Base>::getWritableReference(int i) {
    C* e = inRange(i) ? m_items[static_cast<std::size_t>(i)] : &writeDefault();
    return CWritableWrapperHandle<I>(new CWritableBasicHandle<I, C>(e));
}

template <class I, class C, class Base>
CWrapperHandle<IGeometry> CSimpleGeometryArray<I, C, Base>::getConstGeometryReference(int i) const {
    const C* e = inRange(i) ? m_items[static_cast<std::size_t>(i)] : &readDefault();
    return CWrapperHandle<IGeometry>(new CBasicHandle<IGeometry, C>(e));
}

template <class I, class C, class Base>
CWritableWrapperHandle<IGeometry> CSimpleGeometryArray<I, C, Base>::getWritableGeometryReference(int i) {
    C* e = inRange(i) ? m_items[static_cast<std::size_t>(i)] : &writeDefault();
    return CWritableWrapperHandle<IGeometry>(new CWritableBasicHandle<IGeometry, C>(e));
}

template <class I, class C, class Base>
int CSimpleGeometryArray<I, C, Base>::Add(const I& element) {
    std::unique_ptr<C> copy(new C());
    copy->copyFrom(element);
    m_items.push_back(copy.get());
    copy.release();
    return GetUpperBound();
}

template <class I, class C, class Base>
void CSimpleGeometryArray<I, C, Base>::InsertAt(int i, const I& element) {
    if (i < 0 || i > GetSize()) return;
    std::unique_ptr<C> copy(new C());
    copy->copyFrom(element);
    m_items.insert(m_items.begin() + i, copy.get());
    copy.release();
}

template <class I, class C, class Base>
void CSimpleGeometryArray<I, C, Base>::InsertAt(int i, const ISimpleGeometryArray<I>& other) {
    if (i < 0 || i > GetSize()) return;
    // Copies first (from the content as it is, also when other is this list), then one insertion.
    const int n = other.GetSize();
    std::vector<std::unique_ptr<C>> copies;
    copies.reserve(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        copies.emplace_back(new C());
        copies.back()->copyFrom(*other.elementAt(k));
    }
    m_items.reserve(m_items.size() + copies.size());
    std::vector<C*> raw;
    raw.reserve(copies.size());
    for (auto& c : copies) raw.push_back(c.get());
    m_items.insert(m_items.begin() + i, raw.begin(), raw.end());
    for (auto& c : copies) (void)c.release();
}

template <class I, class C, class Base>
C* CSimpleGeometryArray<I, C, Base>::adoptAsStored(I* object) {
    if (C* own = dynamic_cast<C*>(object)) return own;
    std::unique_ptr<I> original(object);
    std::unique_ptr<C> copy(new C());
    copy->copyFrom(*original);
    return copy.release();
}

template <class I, class C, class Base>
void CSimpleGeometryArray<I, C, Base>::Attach(CWritableWrapperHandle<I> object, int i) {
    I* raw = object.get();
    if (!raw) return;
    i = std::max(i, 0);
    if (i > GetSize()) return;  // refused: the object stays the caller's
    m_items.reserve(m_items.size() + 1);  // nothing can fail once the object is taken
    m_items.insert(m_items.begin() + i, adoptAsStored(raw));
}

template <class I, class C, class Base>
CWritableWrapperHandle<I> CSimpleGeometryArray<I, C, Base>::Detach(int i) {
    if (!inRange(i)) return {};
    C* e = m_items[static_cast<std::size_t>(i)];
    m_items.erase(m_items.begin() + i);
    shrinkIfSparse();
    return CWritableWrapperHandle<I>(new CWritableBasicHandle<I, C>(e));
}

template <class I, class C, class Base>
void CSimpleGeometryArray<I, C, Base>::RemoveAt(int i) {
    if (!inRange(i)) return;
    delete m_items[static_cast<std::size_t>(i)];
    m_items.erase(m_items.begin() + i);
    shrinkIfSparse();
}

template <class I, class C, class Base>
void CSimpleGeometryArray<I, C, Base>::RemoveAll() {
    for (C* e : m_items) delete e;
    m_items.clear();
}

template <class I, class C, class Base>
void CSimpleGeometryArray<I, C, Base>::SetSize(int n) {
    m_items.resize(static_cast<std::size_t>(std::max(n, 0)), nullptr);
}

template <class I, class C, class Base>
void CSimpleGeometryArray<I, C, Base>::putCreatedElement(I* e, int i) {
    C* stored = e ? adoptAsStored(e) : nullptr;
    if (!inRange(i)) {
        delete stored;
        return;
    }
    delete m_items[static_cast<std::size_t>(i)];
    m_items[static_cast<std::size_t>(i)] = stored;
}

template <class I, class C, class Base>
void CSimpleGeometryArray<I, C, Base>::adopt(std::unique_ptr<I>* elements, int count) {
    std::vector<C*> fresh;
    fresh.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) fresh.push_back(static_cast<C*>(elements[k].get()));
    // Nothing below can fail: the old elements go, the new ones are taken over.
    for (int k = 0; k < count; ++k) (void)elements[k].release();
    RemoveAll();
    m_items.swap(fresh);
}

template <class I, class C, class Base>
void CSimpleGeometryArray<I, C, Base>::shrinkIfSparse() {
    if (m_items.size() > 1000 && m_items.capacity() > 4 * m_items.size()) {
        std::vector<C*> tight;
        tight.reserve(m_items.size());
        tight.assign(m_items.begin(), m_items.end());
        m_items.swap(tight);
    }
}
