// The stored resource-state history (see IRSHistory): the items in one object array, element order
// being time order. getItems() hands out that array; copying a list in through it (setItems, the
// handle's copyFrom or loading through it) adds the items one by one, so the order holds. Changing
// an item's Time in place does not move it: remove it and add it again.
#pragma once

#include "kelvara/base/IRSHistory.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CRSHistoryItem.h"

class CRSHistory : public IRSHistory {
    KELVARA_OBJECT(RSHistory)

public:
    ~CRSHistory() override = default;

    IRSHistoryItemArrayHandle getItems() const override;

    bool Add(const IRSHistoryItem& item) override;
    bool Remove(const CResourceStateHistoryItemID& id) override;
    bool Remove(const CProjectTime& time) override;
    void RemoveAll() override { m_Items.RemoveAll(); }
    CRSHistoryIterator getFirstStatus(const CResourceStateID& status) override;
    CRSHistoryConstIterator getFirstStatus(const CResourceStateID& status) const override;
    CRSHistoryIterator get(const CProjectTime& time) override;
    CRSHistoryConstIterator get(const CProjectTime& time) const override;
    CRSHistoryIterator get(const CResourceStateHistoryItemID& id) override;
    CRSHistoryConstIterator get(const CResourceStateHistoryItemID& id) const override;
    CRSHistoryConstIterator getActiveState(const CProjectTime& time) const override;
    CRSHistoryIterator getLastState() override;
    CRSHistoryConstIterator getLastState() const override;
    int GetSize() const override { return m_Items.GetSize(); }

    void copyRecord(const IRSHistory& other) override;
    bool equalRecord(const IRSHistory& other) const override;
    void serializeRecord(CKelvaraArchive& ar) override;
    void initializeRecord() override { m_Items.RemoveAll(); }
    void generateRecordIDs() override;

protected:
    // The index of an item whose Time is the latest not after time: -1 for an empty history or a
    // time before the first item; the last index when the last item is not after time; 0 for two
    // items or fewer; otherwise a binary search between the first and the last index that answers
    // the first middle index met whose Time equals time, or the lower end once the two ends are
    // neighbours. Among several items at one time it may therefore stop at any of them.
    int lower_bound(const CProjectTime& time) const;

    CRSHistoryIterator getIterator(int index) override;
    CRSHistoryConstIterator getIterator(int index) const override;

private:
    friend class CRSHistoryItemsHandle;

    IRSHistoryItem* itemAt(int index) const override;
    const CProjectTime& timeAt(int index) const { return m_Items.getConstReference(index).getTime(); }
    // Replaces the items by those of source, added one by one in source order.
    void addAllFrom(const IRSHistoryItemArrayHandle& source);

    CRSHistoryItemArray m_Items;
};

KELVARA_OBJECT_FAMILY(RSHistory)
