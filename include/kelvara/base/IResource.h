// A resource of the project (a crew, a crane, a material): its codes, type, units, supplier
// references, lead time, workspace needs, presentation colour, the 3D entities that show it, its
// rates over time, its cost rule, and the resources under it (sub-resources, of its own type).
// User field values and notes are lists that exist only while they hold something. The history
// records which resource states the resource went through, and when.
//
// A new resource has a fresh identifier, type Labour, status Active, no rates, no sub-resources
// and an automatic presentation colour.
#pragma once

#include "kelvara/base/IRSHistory.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"
#include "kelvara/base/ResourceEnumerations.h"
#include "kelvara/base/SceneEnumerations.h"

#define KELVARA_FIELDS_Resource(F)                                                            \
    F(IDENTITY, CResourceID, ID, CResourceID::generated(), 1)                                 \
    F(VALUE, CCalendarID, CalendarID, {}, 1)                                                  \
    F(VALUE, CRuleID, RuleID, {}, 1)                                                          \
    F(VALUE, CProjectStringArray, SupplierReferences, {}, 1)                                  \
    F(VALUE, CEntity3DIDArray, 3DRepresentations, {}, 1)                                      \
    F(VALUE, CDocumentFileIDArray, DocumentFileIDs, {}, 1)                                    \
    F(CHILDREN, ResourceRate, ResourceRates, {}, 1)                                           \
    F(VALUE, CCodeValueIDArray, AssignedCodeValues, {}, 1)                                    \
    F(VALUE, CProjectString, ResourceCode, {}, 1)                                             \
    F(VALUE, CProjectString, Name, {}, 1)                                                     \
    F(VALUE, CProjectString, Description, {}, 1)                                              \
    F(VALUE, CProjectString, EmailAddress, {}, 1)                                             \
    F(VALUE, CProjectString, URL, {}, 1)                                                      \
    F(VALUE, CResourceType, Type, CResourceType::Labour, 1)                                   \
    F(VALUE, CResourceStatus, Status, CResourceStatus::Active, 1)                             \
    F(VALUE, CResourceUnitType, ResourceUnitType, CResourceUnitType::Unit, 1)                 \
    F(VALUE, CDistanceUnitType, UnitsOfWorkspaceRequiredByOneUnit, CDistanceUnitType(3), 1)   \
    F(VALUE, CProjectDuration, LeadTime, {}, 1)                                               \
    F(VALUE, CProjectDouble, ResourceUtilizationLimit, {}, 1)                                 \
    F(VALUE, CProjectDouble, ValueOfWorkspaceRequiredByOneUnit, {}, 1)                        \
    F(VALUE, CProjectBool, PresentationColorIsAutomatic, CProjectBool(true), 1)               \
    F(VALUE, CProjectColorRGB, PresentationColor, {}, 1)                                      \
    F(CHILDREN, Resource, SubResources, {}, 1)                                                \
    F(LAZY, UserFieldValue, UserFieldValues, {}, 1)                                           \
    F(LAZY, Note, Notes, {}, 1)                                                               \
    F(VALUE, CResourceStateID, ResourceStateGroupID, {}, 1)                                   \
    F(VALUE, CResourceStateID, ResourceStateID, {}, 1)                                        \
    F(EMBEDDED, RSHistory, History, {}, 1)                                                    \
    F(VALUE, CProjectBool, RenewableResource, {}, 1)                                          \
    F(VALUE, CProjectBool, PartibilityOfOneUnit, {}, 1)

class IResource : public CRecord<IResource> {
    KELVARA_INTERFACE(Resource)
    KELVARA_RECORD(IResource, "Resource", KELVARA_FIELDS_Resource)

public:
    // From a 0x00BBGGRR colour value.
    void setPresentationColor(unsigned long color) { setPresentationColor(CProjectColorRGB(color)); }

    // Supplier references: addSupplierReference appends and answers the new position;
    // setSupplierReference replaces the text at index (nothing outside 0 .. count - 1);
    // removeSupplierReference answers -1 outside 0 .. count - 1, else the count left.
    virtual int addSupplierReference(const CString& reference) = 0;
    virtual void setSupplierReference(const CString& reference, int index) = 0;
    virtual int removeSupplierReference(int index) = 0;

    // 3D representations: add appends (its position, -1 when listed already); insert takes -1 to
    // append, 0 .. count to insert there (answering index), and answers -1 for any other index or
    // a listed identifier.
    virtual int add3DRepresentation(const CEntity3DID& entity) = 0;
    virtual int insert3DRepresentation(const CEntity3DID& entity, int index) = 0;
    virtual bool remove3DRepresentation(const CEntity3DID& entity) = 0;
    virtual void removeAll3DRepresentations() = 0;

    // Code values, as on a task: add appends; insert takes -1 to append and 0 .. count to insert;
    // both answer the position, or -1 when nothing was stored.
    virtual int addCodeValue(const CCodeValueID& value) = 0;
    virtual int insertCodeValue(const CCodeValueID& value, int index) = 0;
    virtual bool removeCodeValue(const CCodeValueID& value) = 0;
    virtual void removeAllCodes() = 0;

    // Document files: an index in 0 .. count inserts there, any other appends; -1 when the
    // identifier is attached already.
    virtual int addDocumentFileID(const CDocumentFileID& file, int index) = 0;
    virtual bool removeDocumentFileID(const CDocumentFileID& file) = 0;
    virtual void removeAllDocumentFileIDs() = 0;

    // Sub-resources. insertSubResource appends a copy; false when a sub-resource has its
    // identifier. attachSubResource takes over the handle's object (one the caller owns, e.g. from
    // a detach) at the end; false, with the object still the caller's, for an empty handle, an
    // object that is not a CResource, one of another type than this resource, one whose identifier
    // is listed, and this resource or one above it in a tree (a cycle).
    virtual bool insertSubResource(const IResource& resource) = 0;
    virtual bool removeSubResource(const CResourceID& id) = 0;
    virtual bool attachSubResource(IResourceWritableHandle handle) = 0;
    // Takes the sub-resource out without destroying it; the caller owns it. Empty when absent.
    [[nodiscard]] virtual IResourceWritableHandle detachSubResource(const CResourceID& id) = 0;

    // User field values (one per field): index -1 appends, 0 .. count inserts; false when nothing
    // was stored (another index, or a value for that field present).
    virtual bool addUserFieldValue(const IUserFieldValue& value, int index = -1) = 0;
    virtual bool changeUserFieldValue(const IUserFieldValue& value) = 0;
    virtual bool removeUserFieldValue(const CUserFieldID& field) = 0;
    virtual void removeAllUserFieldValues() = 0;

    // Notes: a copy at index (-1 appends); the stored note's handle, or an empty handle whenever
    // nothing was stored (index outside -1 .. count, identifier present).
    virtual INoteHandle addNote(const INote& note, int index = -1) = 0;
    virtual bool changeNote(const INote& note) = 0;
    virtual bool removeNote(const CNoteID& id) = 0;
    virtual void removeAllNotes() = 0;

    // Rates: index -1 adds a copy; 0 .. count inserts there; any other index refuses. False
    // whenever nothing was stored (a rate with that identifier is present included).
    virtual bool addResourceRate(const IResourceRate& rate, int index) = 0;
    virtual bool changeResourceRate(const IResourceRate& rate) = 0;
    virtual bool removeResourceRate(const CResourceRateID& id) = 0;
    virtual void removeAllResourceRates() = 0;
    int numberOfResourceRates() const { return getResourceRates().GetSize(); }
    // Every rate and every cost of every rate gets a new identifier; order and content stay.
    virtual void regenerateRateIDs() = 0;

    // The resource-state history: setHistory copies it in, clearHistory empties it.
    virtual void clearHistory() = 0;

    // Sub-resources counted: the direct ones, or with deep every one below this resource.
    int countSubResources(bool deep) const;
    int numberOfUserFieldValues() const { return getUserFieldValues().GetSize(); }
    int numberOfNotes() const { return getNotes().GetSize(); }
};
