// The resource-state history: which state a resource was put into, when, by whom and with which
// note, kept in ascending order of item Time. Items at the same time keep the order they were
// added in as far as the lookup allows (see Add). The history is read through iterators that stand
// on one item by its index in time order.
//
// Record "ResourceStateHistory": the item count (32-bit), then each item's record in time order.
// Loading empties the history and adds every item read, so a history stored out of order comes
// back sorted; an item whose identifier is already present is dropped, as Add drops it.
#pragma once

#include <type_traits>

#include "kelvara/base/IRSHistoryItem.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"
#include "kelvara/platform/Exceptions.h"

#define KELVARA_FIELDS_RSHistory(F) F(CHILDREN, RSHistoryItem, Items, {}, 1)

class IRSHistory : public CRecord<IRSHistory> {
    KELVARA_INTERFACE(RSHistory)
    KELVARA_RECORD(IRSHistory, "ResourceStateHistory", KELVARA_FIELDS_RSHistory)

public:
    // Stands on the item at an index of a history, or on nothing (it then tests false). The item
    // is read with get() (null when on nothing), * or ->; * and -> on an iterator that stands on
    // nothing raise CInvalidArgException. The iterator does not follow its item: after the history
    // changes it stands on whatever item now has its index. ++ and -- step to the next and the
    // previous item in time order; stepping off either end leaves it on nothing.
    template <class History, class Item>
    class CIndexIterator {
    public:
        CIndexIterator() noexcept = default;
        CIndexIterator(History* history, int index) noexcept : m_history(history), m_index(index) {}
        // A read-only iterator from a writable one.
        template <class H, class I>
            requires(!std::is_same_v<H, History> && std::is_convertible_v<H*, History*>)
        CIndexIterator(const CIndexIterator<H, I>& other) noexcept
            : m_history(other.getHistory()), m_index(other.getIndex()) {}

        explicit operator bool() const { return get() != nullptr; }
        Item* get() const { return m_history ? m_history->itemAt(m_index) : nullptr; }
        Item& operator*() const {
            Item* item = get();
            if (!item) throw CInvalidArgException("resource state history iterator: no item to read");
            return *item;
        }
        Item* operator->() const { return &**this; }
        CIndexIterator& operator++() noexcept {
            ++m_index;
            return *this;
        }
        CIndexIterator& operator--() noexcept {
            --m_index;
            return *this;
        }
        int getIndex() const noexcept { return m_index; }
        History* getHistory() const noexcept { return m_history; }

    private:
        History* m_history = nullptr;
        int m_index = -1;
    };
    using CRSHistoryIterator = CIndexIterator<IRSHistory, IRSHistoryItem>;
    using CRSHistoryConstIterator = CIndexIterator<const IRSHistory, const IRSHistoryItem>;

    // Inserts a copy after every item that is earlier and after the item the lookup finds for an
    // equal time (see the class comment). False, with nothing added, when an item with the same
    // identifier is present.
    virtual bool Add(const IRSHistoryItem& item) = 0;
    virtual bool Remove(const CResourceStateHistoryItemID& id) = 0;
    // Removes the item the lookup finds for time when its Time equals time; false otherwise.
    virtual bool Remove(const CProjectTime& time) = 0;
    virtual void RemoveAll() = 0;
    // The earliest item that entered the state; on nothing when none did.
    virtual CRSHistoryIterator getFirstStatus(const CResourceStateID& status) = 0;
    virtual CRSHistoryConstIterator getFirstStatus(const CResourceStateID& status) const = 0;
    // The item the lookup finds for time when its Time equals time; on nothing otherwise.
    virtual CRSHistoryIterator get(const CProjectTime& time) = 0;
    virtual CRSHistoryConstIterator get(const CProjectTime& time) const = 0;
    virtual CRSHistoryIterator get(const CResourceStateHistoryItemID& id) = 0;
    virtual CRSHistoryConstIterator get(const CResourceStateHistoryItemID& id) const = 0;
    // The item in force at time: the latest one not after it; on nothing before the first item.
    virtual CRSHistoryConstIterator getActiveState(const CProjectTime& time) const = 0;
    virtual CRSHistoryIterator getLastState() = 0;
    virtual CRSHistoryConstIterator getLastState() const = 0;
    virtual int GetSize() const = 0;

    // Replaces this history by a copy of other.
    void Copy(const IRSHistory& other) { copyFrom(other); }

    // The record is written by hand (see the class comment); the field list names the items for
    // the schema and the tests. The concrete class supplies the hooks.
    static constexpr bool kRecordByHand = true;
    virtual void copyRecord(const IRSHistory& other) = 0;
    virtual bool equalRecord(const IRSHistory& other) const = 0;
    virtual void serializeRecord(CKelvaraArchive& ar) = 0;
    virtual void initializeRecord() = 0;
    virtual void generateRecordIDs() = 0;

protected:
    virtual CRSHistoryIterator getIterator(int index) = 0;
    virtual CRSHistoryConstIterator getIterator(int index) const = 0;

private:
    // The item at index in time order, null outside 0 .. size - 1.
    virtual IRSHistoryItem* itemAt(int index) const = 0;
};
