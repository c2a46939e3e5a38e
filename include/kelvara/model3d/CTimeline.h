// The stored timeline part (see ITimeline) and the operations the four stored timelines share:
// key frames kept in tick order in a unique object array, at most one per tick and per
// identifier, with the part's StartTick and EndTick following the first and last key frame.
#pragma once

#include "kelvara/base/ITimeline.h"
#include "kelvara/framework/Family.h"

class CTimeline : public ITimeline {
    KELVARA_OBJECT(Timeline)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Timeline)

public:
    ~CTimeline() override = default;
};

KELVARA_OBJECT_FAMILY(Timeline)

namespace kelvara::detail {

template <class Array>
int tickAt(const Array& keyFrames, int position) {
    return keyFrames.getConstReference(position).getTick().getValue();
}
template <class Array>
int firstTick(const Array& keyFrames) {
    return keyFrames.GetSize() > 0 ? tickAt(keyFrames, 0) : -1;
}
template <class Array>
int lastTick(const Array& keyFrames) {
    return keyFrames.GetSize() > 0 ? tickAt(keyFrames, keyFrames.GetUpperBound()) : -1;
}
template <class Array>
bool ticksInSync(const Array& keyFrames, const ITimeline& part) {
    return part.getStartTick() == firstTick(keyFrames) && part.getEndTick() == lastTick(keyFrames);
}
template <class Array>
void syncTicks(const Array& keyFrames, ITimeline& part) {
    part.setStartTick(firstTick(keyFrames));
    part.setEndTick(lastTick(keyFrames));
}
template <class Array>
int keyFrameIndexForTick(const Array& keyFrames, int tick) {
    return ITimeline::keyFrameIndexForTick(keyFrames.GetSize(), [&](int i) { return tickAt(keyFrames, i); }, tick);
}

// A key frame whose identifier is present is refused like one at a taken tick: the list would
// refuse it anyway, and the ticks must not move for a key frame that was not added.
template <class Array, class KeyFrame>
int addKeyFrame(Array& keyFrames, ITimeline& part, const KeyFrame& keyFrame) {
    bool exists = false;
    const int position = ITimeline::findInsertPosition(
        keyFrames.GetSize(), [&](int i) { return tickAt(keyFrames, i); }, keyFrame.getTick().getValue(), exists);
    if (exists || keyFrames.findByID(keyFrame.getID()) >= 0) return -1;
    const int before = keyFrames.GetSize();
    keyFrames.InsertAt(position, keyFrame);
    if (keyFrames.GetSize() == before) return -1;
    syncTicks(keyFrames, part);
    return position;
}

template <class Array>
bool removeKeyFrame(Array& keyFrames, ITimeline& part, const CKeyFrameID& id) {
    const int position = keyFrames.findByID(id);
    if (position < 0) return false;
    keyFrames.RemoveAt(position);
    syncTicks(keyFrames, part);
    return true;
}

// Timelines are equal when their identifiers and key frames are: the ticks follow from the key
// frames.
template <class I>
bool sameTimeline(const I& a, const I& b) {
    if (!(a.getID() == b.getID())) return false;
    const auto x = a.getKeyFrameList();
    const auto y = b.getKeyFrameList();
    if (x.GetSize() != y.GetSize()) return false;
    for (int i = 0; i < x.GetSize(); ++i)
        if (*x[i] != *y[i]) return false;
    return true;
}

}  // namespace kelvara::detail

// Inside a stored timeline (field Timeline is the part, field List the key frames): the
// operations and record hooks of KELVARA_TIMELINE_INTERFACE.
#define KELVARA_TIMELINE_MEMBERS(Thing, KF, List)                                                        \
public:                                                                                                  \
    int addKeyFrame(const I##KF& keyFrame) override {                                                    \
        return ::kelvara::detail::addKeyFrame(m_##List, m_Timeline, keyFrame);                           \
    }                                                                                                    \
    bool removeKeyFrame(const CKeyFrameID& id) override {                                                \
        return ::kelvara::detail::removeKeyFrame(m_##List, m_Timeline, id);                              \
    }                                                                                                    \
    int getKeyFrameIndexForTick(int tick) const override {                                               \
        return ::kelvara::detail::keyFrameIndexForTick(m_##List, tick);                                  \
    }                                                                                                    \
    int getStartTick() const override { return ::kelvara::detail::firstTick(m_##List); }                 \
    int getEndTick() const override { return ::kelvara::detail::lastTick(m_##List); }                    \
    const CTimelineID& getID() const override { return m_Timeline.getID(); }                             \
    void setID(const CTimelineID& id) override { m_Timeline.setID(id); }                                 \
    const C##KF##Array& keyFrames() const { return m_##List; }                                           \
                                                                                                         \
    void copyRecord(const I##Thing& other) override {                                                    \
        I##Thing::forEachField(::kelvara::CopyFields<I##Thing>{*this, other});                           \
        syncTicks();                                                                                     \
    }                                                                                                    \
    bool equalRecord(const I##Thing& other) const override {                                             \
        return ::kelvara::detail::sameTimeline<I##Thing>(*this, other);                                  \
    }                                                                                                    \
    /* Storing writes the ticks the key frames give (through a synchronised copy in the rare case  */    \
    /* they were changed behind the timeline's back); loading recomputes them.                     */    \
    void serializeRecord(CKelvaraArchive& ar) override {                                                 \
        if (ar.IsStoring() && !::kelvara::detail::ticksInSync(m_##List, m_Timeline)) {                   \
            C##Thing synced(*this);                                                                      \
            synced.serializeRecord(ar);                                                                  \
            return;                                                                                      \
        }                                                                                                \
        I##Thing::forEachField(::kelvara::SerializeFields<I##Thing>{*this, ar});                         \
        if (ar.IsLoading()) syncTicks();                                                                 \
    }                                                                                                    \
    void initializeRecord() override { I##Thing::forEachField(::kelvara::DefaultFields<I##Thing>{*this}); } \
    void generateRecordIDs() override { I##Thing::forEachField(::kelvara::GenerateIDs<I##Thing>{*this}); } \
                                                                                                         \
protected:                                                                                               \
    void setStartTick(int tick) override { m_Timeline.setStartTick(tick); }                              \
    void setEndTick(int tick) override { m_Timeline.setEndTick(tick); }                                  \
                                                                                                         \
private:                                                                                                 \
    void syncTicks() { ::kelvara::detail::syncTicks(m_##List, m_Timeline); }                             \
                                                                                                         \
public:
