// A company of the project (contractor, supplier, ...): its contact details, calendar and colour,
// and the resources it owns. A new company has a null identifier, type 1 (Contractor), a white
// colour and no resources.
#pragma once

#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"
#include "kelvara/base/ResourceEnumerations.h"

#define KELVARA_FIELDS_Company(F)                                                     \
    F(IDENTITY, CCompanyID, ID, {}, 1)                                                \
    F(VALUE, CProjectString, Name, {}, 1)                                             \
    F(VALUE, CCompanyType, Type, CCompanyType(1), 1)                                  \
    F(VALUE, CProjectString, Address, {}, 1)                                          \
    F(VALUE, CProjectString, TelephoneNumber, {}, 1)                                  \
    F(VALUE, CProjectString, FaxNumber, {}, 1)                                        \
    F(VALUE, CProjectString, EmailAddress, {}, 1)                                     \
    F(VALUE, CProjectString, URL, {}, 1)                                              \
    F(VALUE, CCalendarID, CalendarID, {}, 1)                                          \
    F(CHILDREN, Resource, Resources, {}, 1)                                           \
    F(VALUE, CProjectColorRGB, Color, (CProjectColorRGB(1.0f, 1.0f, 1.0f)), 1)

class ICompany : public CRecord<ICompany> {
    KELVARA_INTERFACE(Company)
    KELVARA_RECORD(ICompany, "Company", KELVARA_FIELDS_Company)

public:
    // A copy among the resources; its position, or -1 when a resource has its identifier.
    virtual int addResource(const IResource& resource) = 0;
    virtual bool removeResource(const CResourceID& id) = 0;
    // Takes over the handle's object (one the caller owns) at the end. False, with the object
    // still the caller's, for an empty handle, an object that is not a CResource, and an
    // identifier among the resources.
    virtual bool attachResource(IResourceWritableHandle handle) = 0;
    // Takes the resource out without destroying it; the caller owns it. Empty when absent.
    [[nodiscard]] virtual IResourceWritableHandle detachResource(const CResourceID& id) = 0;
};
