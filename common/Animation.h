// The framework's animation-control class (AVI clips from the module's resources).
#pragma once
#include "common/Control.h"
#include <commctrl.h>

class CAnimation : public CControl {
  public:
    const char* RuntimeClass() const override { return "CAnimation"; }
    // Opens AVI resource id of theApp.Instance(); answers false when it cannot be opened.
    bool Open(int resourceId) const;
    // Plays frames first to last (-1: the last frame), repeat times (-1: without end).
    bool Play(int first, int last, int repeat) const;
    void Stop() const { Send(ACM_STOP); }
    void Close() const { Send(ACM_OPENA); }
};
