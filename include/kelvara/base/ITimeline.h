// The part every timeline holds: its identifier and the ticks of its first and last key frames
// (both -1 while it has none). A timeline keeps its key frames in tick order, at most one per
// tick; the helpers below search such a list by tick. The timeline kinds keep StartTick and
// EndTick equal to the first and last key frame's ticks after every change, copy and load (see
// the timeline interfaces).
#pragma once

#include <cmath>

#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"

#define KELVARA_FIELDS_Timeline(F)                                  \
    F(IDENTITY, CTimelineID, ID, CTimelineID::generated(), 1)       \
    F(PLAIN, CProjectInt, StartTick, -1, 1)                         \
    F(PLAIN, CProjectInt, EndTick, -1, 1)

class ITimeline : public CRecord<ITimeline> {
    KELVARA_INTERFACE(Timeline)
    KELVARA_RECORD(ITimeline, "Timeline", KELVARA_FIELDS_Timeline)

public:
    // Where a key frame at tick goes in a list of count key frames in tick order (tickAt(i) is the
    // tick of key frame i): the position of the first key frame with a later tick, or count.
    // exists tells whether a key frame already stands at tick (it is then at the answer).
    template <class TickAt>
    static int findInsertPosition(int count, TickAt tickAt, int tick, bool& exists) {
        int lo = 0;
        int hi = count;
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            if (tickAt(mid) < tick) lo = mid + 1;
            else hi = mid;
        }
        exists = lo < count && tickAt(lo) == tick;
        return lo;
    }

    // The key frame in force at tick in a list in tick order: -1 before the first key frame (or
    // for an empty list), the last one after the last, otherwise the one at tick or the last one
    // before it (binary search; when the search ends without a match, floor((lo + hi) / 2), which
    // is hi). On a list out of tick order (only a foreign file gives one) the answer is still a
    // position in the list or -1.
    template <class TickAt>
    static int keyFrameIndexForTick(int count, TickAt tickAt, int tick) {
        if (count <= 0 || tick < tickAt(0)) return -1;
        if (tick > tickAt(count - 1)) return count - 1;
        int lo = 0;
        int hi = count - 1;
        while (lo <= hi) {
            const int mid = (lo + hi) / 2;
            const int at = tickAt(mid);
            if (at == tick) return mid;
            if (tick < at) hi = mid - 1;
            else lo = mid + 1;
        }
        return static_cast<int>(std::floor((lo + hi) * 0.5));
    }
};

// Inside a timeline's interface (field Timeline embeds the part, field List holds key frames of
// kind KF): the timeline's operations and the record hooks. The hooks keep StartTick and EndTick
// derived from the key frames: a copy takes them from the key frames it copied, loading
// recomputes them from the key frames loaded (a file's own values are read and replaced), storing
// writes the derived values, and equality compares the identifier and the key frames only.
#define KELVARA_TIMELINE_INTERFACE(Thing, KF, List)                                                     \
public:                                                                                                 \
    /* A copy of keyFrame at its place in tick order; its position, or -1 (nothing added) when a   */   \
    /* key frame stands at its tick already or one with its identifier is present.                */   \
    virtual int addKeyFrame(const I##KF& keyFrame) = 0;                                                 \
    /* False when no key frame has the identifier. */                                                   \
    virtual bool removeKeyFrame(const CKeyFrameID& id) = 0;                                             \
    /* See ITimeline::keyFrameIndexForTick. */                                                          \
    virtual int getKeyFrameIndexForTick(int tick) const = 0;                                            \
    /* The first and last key frame's ticks; -1 when there is none. */                                  \
    virtual int getStartTick() const = 0;                                                               \
    virtual int getEndTick() const = 0;                                                                 \
    virtual const CTimelineID& getID() const = 0;                                                       \
    virtual void setID(const CTimelineID& id) = 0;                                                      \
    /* The key frames under one name for every timeline (get##List, set##List). */                     \
    I##KF##ArrayHandle getKeyFrameList() const { return get##List(); }                                  \
    void setKeyFrameList(const I##KF##ArrayHandle& list) { set##List(list); }                           \
    const _GUID& getObjectStateGUID() const override { return getID().getGUID(); }                      \
                                                                                                        \
    static constexpr bool kRecordByHand = true;                                                         \
    virtual void copyRecord(const I##Thing& other) = 0;                                                 \
    virtual bool equalRecord(const I##Thing& other) const = 0;                                          \
    virtual void serializeRecord(CKelvaraArchive& ar) = 0;                                              \
    virtual void initializeRecord() = 0;                                                                \
    virtual void generateRecordIDs() = 0;                                                               \
                                                                                                        \
protected:                                                                                              \
    virtual void setStartTick(int tick) = 0;                                                            \
    virtual void setEndTick(int tick) = 0;                                                              \
    void setStartTick(const CProjectInt& tick) { setStartTick(tick.getValue()); }                       \
    void setEndTick(const CProjectInt& tick) { setEndTick(tick.getValue()); }                           \
                                                                                                        \
public:
