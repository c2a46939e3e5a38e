#include "kelvara/model3d/CRSHistory.h"

// The history's item list as an array handle. Reads and in-place writes go to the array; replacing
// the list (copyFrom, loading) adds the new items one by one through the history, so they stay in
// time order.
class CRSHistoryItemsHandle final
    : public CBasicArrayHandle<IRSHistoryItem, CRSHistoryItem, CResourceStateHistoryItemID, false> {
    using Base = CBasicArrayHandle<IRSHistoryItem, CRSHistoryItem, CResourceStateHistoryItemID, false>;

public:
    explicit CRSHistoryItemsHandle(const CRSHistory* history) noexcept
        : Base(&history->m_Items), m_history(const_cast<CRSHistory*>(history)) {}

    void copyFrom(const IRSHistoryItemArrayHandle::Base& source) override {
        if (source.held() && source.held()->identity() == identity()) return;
        m_history->addAllFrom(source);
    }
    void Serialize(CKelvaraArchive& ar) override {
        if (ar.IsStoring()) {
            Base::Serialize(ar);
            return;
        }
        CRSHistoryItemArray loaded;
        loaded.Serialize(ar);
        m_history->addAllFrom(IRSHistoryItemArrayHandle(new CRSHistoryItemArrayHandle(&loaded)));
    }
    IArrayHandle<IRSHistoryItem, CResourceStateHistoryItemID, false>* clone() const override {
        return new CRSHistoryItemsHandle(m_history);
    }

private:
    CRSHistory* m_history;
};

IRSHistoryItemArrayHandle CRSHistory::getItems() const {
    return IRSHistoryItemArrayHandle(new CRSHistoryItemsHandle(this));
}

void CRSHistory::addAllFrom(const IRSHistoryItemArrayHandle& source) {
    CRSHistory fresh;
    for (int i = 0; i < source.GetSize(); ++i) {
        const IRSHistoryItemHandle item = source[i];
        if (!item.isNull()) fresh.Add(*item);
    }
    m_Items.swap(fresh.m_Items);
}

int CRSHistory::lower_bound(const CProjectTime& time) const {
    const int count = m_Items.GetSize();
    if (count == 0 || time < timeAt(0)) return -1;
    const int last = count - 1;
    if (!(time < timeAt(last))) return last;
    if (count <= 2) return 0;
    int lo = 0;
    int hi = last;
    while (hi - lo >= 2) {
        const int mid = (lo + hi) / 2;
        const CProjectTime& at = timeAt(mid);
        if (at == time) return mid;
        if (at < time) lo = mid;
        else hi = mid;
    }
    return lo;
}

bool CRSHistory::Add(const IRSHistoryItem& item) {
    const int before = m_Items.GetSize();
    m_Items.InsertAt(lower_bound(item.getTime()) + 1, item);
    return m_Items.GetSize() > before;
}

bool CRSHistory::Remove(const CResourceStateHistoryItemID& id) { return m_Items.Remove(id); }

bool CRSHistory::Remove(const CProjectTime& time) {
    const int index = lower_bound(time);
    if (index < 0 || !(timeAt(index) == time)) return false;
    m_Items.RemoveAt(index);
    return true;
}

IRSHistoryItem* CRSHistory::itemAt(int index) const {
    if (index < 0 || index >= m_Items.GetSize()) return nullptr;
    return &m_Items.getWritableReference(index);
}

// An index outside the items gives an iterator on nothing.
IRSHistory::CRSHistoryIterator CRSHistory::getIterator(int index) {
    return itemAt(index) ? CRSHistoryIterator(this, index) : CRSHistoryIterator();
}

IRSHistory::CRSHistoryConstIterator CRSHistory::getIterator(int index) const {
    return itemAt(index) ? CRSHistoryConstIterator(this, index) : CRSHistoryConstIterator();
}

namespace {

int firstWithStatus(const CRSHistoryItemArray& items, const CResourceStateID& status) {
    for (int i = 0; i < items.GetSize(); ++i)
        if (items.getConstReference(i).getStatusID() == status) return i;
    return -1;
}

}  // namespace

IRSHistory::CRSHistoryIterator CRSHistory::getFirstStatus(const CResourceStateID& status) {
    return getIterator(firstWithStatus(m_Items, status));
}

IRSHistory::CRSHistoryConstIterator CRSHistory::getFirstStatus(const CResourceStateID& status) const {
    return getIterator(firstWithStatus(m_Items, status));
}

IRSHistory::CRSHistoryIterator CRSHistory::get(const CProjectTime& time) {
    const int index = lower_bound(time);
    return index >= 0 && timeAt(index) == time ? getIterator(index) : CRSHistoryIterator();
}

IRSHistory::CRSHistoryConstIterator CRSHistory::get(const CProjectTime& time) const {
    const int index = lower_bound(time);
    return index >= 0 && timeAt(index) == time ? getIterator(index) : CRSHistoryConstIterator();
}

IRSHistory::CRSHistoryIterator CRSHistory::get(const CResourceStateHistoryItemID& id) {
    return getIterator(m_Items.findByID(id));
}

IRSHistory::CRSHistoryConstIterator CRSHistory::get(const CResourceStateHistoryItemID& id) const {
    return getIterator(m_Items.findByID(id));
}

IRSHistory::CRSHistoryConstIterator CRSHistory::getActiveState(const CProjectTime& time) const {
    return getIterator(lower_bound(time));
}

IRSHistory::CRSHistoryIterator CRSHistory::getLastState() { return getIterator(m_Items.GetSize() - 1); }

IRSHistory::CRSHistoryConstIterator CRSHistory::getLastState() const { return getIterator(m_Items.GetSize() - 1); }

// ---- The record ----

// Another CRSHistory's items are copied as they stand; any other history's are added one by one.
void CRSHistory::copyRecord(const IRSHistory& other) {
    if (const auto* same = dynamic_cast<const CRSHistory*>(&other)) m_Items = same->m_Items;
    else addAllFrom(other.getItems());
}

bool CRSHistory::equalRecord(const IRSHistory& other) const {
    if (other.GetSize() != GetSize()) return false;
    const IRSHistoryItemArrayHandle theirs = other.getItems();
    for (int i = 0; i < GetSize(); ++i)
        if (!(static_cast<const IRSHistoryItem&>(m_Items.getConstReference(i)) == *theirs[i])) return false;
    return true;
}

// Loading empties the history first; the items are read aside and taken over once the whole
// record has been read, so a failed load leaves the history empty, never half-filled.
void CRSHistory::serializeRecord(CKelvaraArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_Items.GetSize();
        for (int i = 0; i < m_Items.GetSize(); ++i) m_Items.getWritableReference(i).Serialize(ar);
        return;
    }
    RemoveAll();
    const int count = ar.readCount("resource state history items", CKelvaraArchive::kMinRecordBytes);
    CRSHistory loaded;
    for (int i = 0; i < count; ++i) {
        CRSHistoryItem item;
        item.Serialize(ar);
        loaded.Add(item);
    }
    m_Items.swap(loaded.m_Items);
}

void CRSHistory::generateRecordIDs() {
    for (int i = 0; i < m_Items.GetSize(); ++i) m_Items.getWritableReference(i).generateIDs();
    m_Items.discardSorting();
    m_Items.sort();
}
