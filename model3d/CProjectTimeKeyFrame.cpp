#include "kelvara/model3d/CProjectTimeKeyFrame.h"

CProjectTimeKeyFrame::CProjectTimeKeyFrame(int tick, const CProjectTime& time) {
    initialize();
    setTick(tick);
    setProjectTime(time);
}

KELVARA_DEFINE_KIND(ProjectTimeKeyFrame)
