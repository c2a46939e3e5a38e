#include "kelvara/model3d/CAnimation.h"

CAnimation::CAnimation(const wchar_t* name) {
    initialize();
    if (name) setName(CProjectString(name));
    initDefault();
}

KELVARA_DEFINE_KIND(Animation)
