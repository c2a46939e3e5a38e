// Base of every entity and root interface: an 8-byte transient state word (selection, expansion
// and the like). It is not part of an object's content: copy, equality and the archive ignore it.
#pragma once

#include <cstdint>

#include "kelvara/platform/Types.h"

class CObjectState {
public:
    struct State {
        std::uint64_t bits = 0;
        bool operator==(const State&) const = default;
    };

    CObjectState() = default;
    CObjectState(const CObjectState&) = default;
    CObjectState& operator=(const CObjectState&) = default;
    virtual ~CObjectState() = default;

    // The GUID of the object's own identifier (the null GUID for objects without one).
    virtual const _GUID& getObjectStateGUID() const;
    virtual void setState(const State& state) { m_state = state; }
    const State& getState() const noexcept { return m_state; }

private:
    State m_state;
};
