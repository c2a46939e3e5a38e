#include "kelvara/model3d/CKelvaraKeyFrame.h"

CKelvaraKeyFrame::CKelvaraKeyFrame(int tick) {
    initialize();
    setTick(CProjectInt(tick));
}
