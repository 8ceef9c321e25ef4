// The framework's progress-bar class.
#pragma once
#include "common/Control.h"
#include <commctrl.h>

class CProgressBar : public CControl {
  public:
    const char* RuntimeClass() const override { return "CProgressBar"; }
    void SetRange(int low, int high) const { Send(PBM_SETRANGE, 0, MAKELPARAM(low, high)); }
    void SetPosition(int position) const { Send(PBM_SETPOS, (WPARAM)position); }
    int Position() const { return (int)Send(PBM_GETPOS); }
};
