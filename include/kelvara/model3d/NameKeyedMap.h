// Maps from a name to a stored record whose own Name is that name (texture definitions, images).
// Keys compare exactly; the map walks in no particular order, so the archive form and the
// comparison never depend on it.
#pragma once

#include <algorithm>
#include <type_traits>
#include <vector>

#include "kelvara/base/CKelvaraArchive.h"
#include "kelvara/base/Values.h"
#include "kelvara/platform/CMap.h"

namespace kelvara::detail {

// Files before this version key their name maps with a stored name before each record.
inline constexpr int kNameKeyedRecordsVersion = 41;

template <class I, class C>
class CNameKeyedMap : public CMap<CString, const wchar_t*, C, const C&> {
    using Base = CMap<CString, const wchar_t*, C, const C&>;

public:
    CNameKeyedMap() = default;
    CNameKeyedMap(const CNameKeyedMap& other) : Base() { copyFrom(other); }
    CNameKeyedMap& operator=(const CNameKeyedMap& other) {
        copyFrom(other);
        return *this;
    }

    // The entry for name (created when missing) becomes a copy of value. Records are keyed by
    // their Name when they are loaded, so a stored Name whose text differs from the key is set to
    // the key: the map then reads back as it was stored.
    void set(const wchar_t* name, const I& value) {
        const CString key(name ? name : L"");
        C& entry = (*this)[key.GetString()];
        entry.copyFrom(value);
        if (entry.getName().getValue() != key) entry.setName(CProjectString(key));
    }

    // Empties this map, then copies every entry of other.
    void copyFrom(const CNameKeyedMap& other) {
        if (&other == this) return;
        this->RemoveAll();
        CString key;
        C value;
        for (POSITION pos = other.GetStartPosition(); pos;) {
            other.GetNextAssoc(pos, key, value);
            (*this)[key.GetString()] = value;
        }
    }

    // The keys in ascending code-point order.
    std::vector<CString> sortedKeys() const {
        std::vector<CString> keys;
        keys.reserve(static_cast<std::size_t>(this->GetCount()));
        CString key;
        C value;
        for (POSITION pos = this->GetStartPosition(); pos;) {
            this->GetNextAssoc(pos, key, value);
            keys.push_back(key);
        }
        std::sort(keys.begin(), keys.end(), [](const CString& a, const CString& b) { return a.Compare(b) < 0; });
        return keys;
    }

    // Order-independent: as many entries, and every name of this map found in other with a
    // record that is not unequal.
    bool equals(const CNameKeyedMap& other) const {
        if (this->GetCount() != other.GetCount()) return false;
        CString key;
        C value;
        for (POSITION pos = this->GetStartPosition(); pos;) {
            this->GetNextAssoc(pos, key, value);
            const C* theirs = other.PLookup(key.GetString());
            if (!theirs || static_cast<const I&>(*theirs) != value) return false;
        }
        return true;
    }

protected:
    // Storing: marker, count, the records in ascending name order, marker. Loading (the map is
    // emptied first, and again when the archive gives up): before version 41 the marker is
    // oldMarker and each record follows its stored name, which becomes the record's Name, and a
    // record without a usable identifier gets a fresh one; from 41 on each record is keyed by its
    // Name. A later record with the same key replaces an earlier one.
    void serialize(CKelvaraArchive& ar, const char* marker, const char* oldMarker, const char* what) {
        // Before kNameKeyedRecordsVersion the map had its old marker and a key record before each
        // entry; storing at such a version writes that layout.
        const bool keyed = ar.fileVersion() < kNameKeyedRecordsVersion;
        const char* framing = keyed ? oldMarker : marker;
        if (ar.IsStoring()) {
            ar.checkMarkerStart(framing);
            ar << this->GetCount();
            for (const CString& key : sortedKeys()) {
                if (keyed) CProjectString(key).Serialize(ar);
                this->PLookup(key.GetString())->Serialize(ar);
            }
            ar.checkMarkerEnd(framing);
            return;
        }
        ar.checkMarkerStart(framing);
        this->RemoveAll();
        try {
            const int count = ar.readCount(what, CKelvaraArchive::kMinRecordBytes);
            for (int i = 0; i < count; ++i) {
                C record;
                if (keyed) {
                    CProjectString key;
                    key.Serialize(ar);
                    record.Serialize(ar);
                    record.setName(key);
                    if (!record.getID().isValidNotNull()) {
                        std::remove_cvref_t<decltype(record.getID())> id;
                        id.generate();
                        record.setID(id);
                    }
                } else {
                    record.Serialize(ar);
                }
                (*this)[record.getName().getValue().GetString()] = record;
            }
            ar.checkMarkerEnd(framing);
        } catch (...) {
            this->RemoveAll();
            throw;
        }
    }
};

}  // namespace kelvara::detail
