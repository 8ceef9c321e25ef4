// AVI clips of the framework's animation control, opened from theApp's module.
#include "common/Animation.h"
#include "common/App.h"

bool CAnimation::Open(int resourceId) const {
    return Send(ACM_OPENA, reinterpret_cast<WPARAM>(theApp.Instance()),
                reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(resourceId))) != 0;
}

bool CAnimation::Play(int first, int last, int repeat) const {
    return Send(ACM_PLAY, (WPARAM)repeat, MAKELPARAM(first, last)) != 0;
}
