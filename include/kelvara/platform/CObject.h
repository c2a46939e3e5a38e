// Common root of the serialisable classes, as on the original platform: a virtual destructor only.
#pragma once

class CObject {
public:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
    virtual ~CObject() = default;
};
