// A root owns one top-level list of the model and has an identifier of its own, of the list's
// identifier kind. The project keeps one root per kind.
#pragma once

#include "kelvara/base/CObjectState.h"
#include "kelvara/framework/ArrayHandles.h"

template <class I, class ID, class ArrayHandle>
class IRoot : public CObjectState {
public:
    virtual const ID& getID() const = 0;
    virtual void setID(const ID& id) = 0;
    virtual ArrayHandle get() = 0;                       // a handle on the root's list
    virtual void set(const ArrayHandle& source) = 0;     // the list becomes copies of source's elements
    const _GUID& getObjectStateGUID() const override { return getID().getGUID(); }

private:
    virtual ID& getWritableID() = 0;
};

// CR is the concrete root itself; IR its interface (an IRoot).
template <class IR, class CR, class I, class C, class ID, bool iterable, class Array, class ArrayHandle>
class CRoot : public IR {
public:
    // A new root has a fresh identifier and an empty list.
    CRoot() { m_id.generate(); }
    CRoot(const CRoot& other) : IR(), m_id(other.m_id), m_list(other.m_list) {}
    CRoot& operator=(const CRoot& other) {
        m_id = other.m_id;
        m_list = other.m_list;
        return *this;
    }

    const ID& getID() const override { return m_id; }
    void setID(const ID& id) override { m_id = id; }
    ArrayHandle get() override { return ArrayHandle(new CBasicArrayHandle<I, C, ID, iterable>(&m_list)); }
    CWrapperHandle<IR> getHandle() const { return CWrapperHandle<IR>(new CBasicHandle<IR, CR>(self())); }
    CWritableWrapperHandle<IR> getWritableHandle() {
        return CWritableWrapperHandle<IR>(new CWritableBasicHandle<IR, CR>(static_cast<CR*>(this)));
    }
    void set(const ArrayHandle& source) override { get().copyFrom(source); }
    Array& getArray() noexcept { return m_list; }
    const Array& getArray() const noexcept { return m_list; }

    bool operator==(const CRoot& other) const { return m_id == other.m_id && m_list == other.m_list; }
    bool operator!=(const CRoot& other) const { return !(*this == other); }
    // Record "Root": the root's identifier, then its list.
    void Serialize(CKelvaraArchive& ar) {
        ar.checkMarkerStart("Root");
        m_id.Serialize(ar);
        get().Serialize(ar);
        ar.checkMarkerEnd("Root");
    }

private:
    ID& getWritableID() override { return m_id; }
    const CR* self() const { return static_cast<const CR*>(this); }

    ID m_id;
    Array m_list;
};
