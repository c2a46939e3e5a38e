#include "kelvara/model3d/CEventKeyFrame.h"

CEventKeyFrame::CEventKeyFrame(int tick) {
    initialize();
    setTick(tick);
}

KELVARA_DEFINE_KIND(EventKeyFrame)
