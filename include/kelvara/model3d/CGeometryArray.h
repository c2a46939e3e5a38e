// The stored geometry of an entity (see IGeometryArray.h): one per-kind list template,
// instantiated once per primitive kind (in model3d/CSimpleGeometryArray*.cpp, so users of the
// lists compile none of it), and the bundle of the seventeen lists.
//
// The bundle is small because a million entities hold one each: it keeps a mask of the kinds
// present and one block with a pointer per present kind, in kind order; absent kinds cost nothing.
#pragma once

#include <memory>
#include <vector>

#include "kelvara/base/IGeometryArray.h"
#include "kelvara/model3d/CGeometricPrimitives.h"

template <class I, class C, class Base = ISimpleGeometryArray<I>>
class CSimpleGeometryArray : public Base {
public:
    CSimpleGeometryArray() = default;
    CSimpleGeometryArray(const CSimpleGeometryArray& other);
    CSimpleGeometryArray(CSimpleGeometryArray&& other) noexcept : m_items(std::move(other.m_items)) {}
    CSimpleGeometryArray& operator=(const CSimpleGeometryArray& other);
    CSimpleGeometryArray& operator=(CSimpleGeometryArray&& other) noexcept;
    ~CSimpleGeometryArray() override;

    CWrapperHandle<I> getConstReference(int i) const override;
    CWritableWrapperHandle<I> getWritableReference(int i) override;
    CWrapperHandle<IGeometry> getConstGeometryReference(int i) const override;
    CWritableWrapperHandle<IGeometry> getWritableGeometryReference(int i) override;
    int Add(const I& element) override;
    void InsertAt(int i, const ISimpleGeometryArray<I>& other) override;
    void InsertAt(int i, const I& element) override;
    void Attach(CWritableWrapperHandle<I> object, int i) override;
    [[nodiscard]] CWritableWrapperHandle<I> Detach(int i) override;
    void RemoveAll() override;
    int GetSize() const override { return static_cast<int>(m_items.size()); }
    int GetUpperBound() const override { return GetSize() - 1; }
    void SetSize(int n) override;
    // An empty slot (between SetSize and its refill) reads as the shared default.
    const I* elementAt(int i) const override {
        if (!inRange(i)) return nullptr;
        const C* e = m_items[static_cast<std::size_t>(i)];
        return e ? e : &readDefault();
    }
    [[nodiscard]] Base* clone() const override { return new CSimpleGeometryArray(*this); }

    // Deletes the element at i and closes the gap; nothing out of range.
    void RemoveAt(int i);
    // Reserved element slots (the shrink rule after RemoveAt and Detach gives them back).
    std::size_t capacity() const noexcept { return m_items.capacity(); }

    // The shared objects out-of-range reads answer: one for reads, one for writes, per kind.
    static const C& readDefault();
    static C& writeDefault();

protected:
    [[nodiscard]] I* createElement() const override { return new C(); }
    void putCreatedElement(I* e, int i) override;
    void adopt(std::unique_ptr<I>* elements, int count) override;

private:
    bool inRange(int i) const noexcept { return i >= 0 && i < GetSize(); }
    // Above 1000 elements, reserved storage beyond four times the count is given back.
    void shrinkIfSparse();
    // The object as the stored class: itself when it is one, else a copy (the original deleted).
    static C* adoptAsStored(I* object);

    std::vector<C*> m_items;
};

#define KELVARA_GEOMETRY_ARRAY_ALIAS_(n, Thing, Plural) \
    using C##Thing##Array = CSimpleGeometryArray<I##Thing, C##Thing, I##Thing##Array>;
KELVARA_GEOMETRY_KINDS(KELVARA_GEOMETRY_ARRAY_ALIAS_)
#undef KELVARA_GEOMETRY_ARRAY_ALIAS_

#define KELVARA_GEOMETRY_ARRAY_EXTERN_(n, Thing, Plural) extern template class CSimpleGeometryArray<I##Thing, C##Thing, I##Thing##Array>;
KELVARA_GEOMETRY_KINDS(KELVARA_GEOMETRY_ARRAY_EXTERN_)
#undef KELVARA_GEOMETRY_ARRAY_EXTERN_

class CGeometryArray : public IGeometryArray {
public:
    CGeometryArray() noexcept = default;
    CGeometryArray(const CGeometryArray& other) : IGeometryArray() { copyFrom(other); }
    CGeometryArray(CGeometryArray&& other) noexcept;
    CGeometryArray& operator=(const CGeometryArray& other) {
        copyFrom(other);
        return *this;
    }
    CGeometryArray& operator=(CGeometryArray&& other) noexcept;
    ~CGeometryArray() override;

    IGeometryHandle getConstReference(int i) const override;
    IGeometryWritableHandle getWritableReference(int i) const override;

#define KELVARA_GEOMETRY_ARRAY_DECLARE_(n, Thing, Plural)        \
    const I##Thing##Array& get##Plural() const override;         \
    I##Thing##Array& getWritable##Plural() override;             \
    void clear##Plural() override { clearPart(n); }
    KELVARA_GEOMETRY_KINDS(KELVARA_GEOMETRY_ARRAY_DECLARE_)
#undef KELVARA_GEOMETRY_ARRAY_DECLARE_

    void Optimise() override;

    // Whether the list of kind k is allocated (tests of Optimise and of the lazy lists).
    bool holdsKind(int k) const noexcept { return k >= 0 && k < kKindCount && (m_mask >> k) & 1u; }

    // The shared geometries out-of-range flat reads answer (below zero / at or past the end).
    static const CGeometry& defaultBefore();
    static const CGeometry& defaultAfter();
    static CGeometry& writableDefaultBefore();
    static CGeometry& writableDefaultAfter();

protected:
    const kelvara::detail::IGeometryArrayPart* part(int k) const override;
    kelvara::detail::IGeometryArrayPart& writablePart(int k) override;
    void clearPart(int k) override;
    void swapContent(IGeometryArray& other) override;
    [[nodiscard]] IGeometryArray* createEmpty() const override { return new CGeometryArray(); }

private:
    int slotOf(int k) const noexcept;  // position of kind k among the present kinds
    void clearAll() noexcept;

    kelvara::detail::IGeometryArrayPart** m_parts = nullptr;  // one per present kind, in kind order
    std::uint32_t m_mask = 0;                                 // bit k: kind k present
};
