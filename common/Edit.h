// The framework's edit-control class.
#pragma once
#include "common/Control.h"

class CEdit : public CControl {
  public:
    const char* RuntimeClass() const override { return "CEdit"; }
    // Selects characters first to last (-1: to the end).
    void SetSelection(int first, int last) const { Send(EM_SETSEL, (WPARAM)first, (LPARAM)last); }
    void SetLimit(int characters) const { Send(EM_LIMITTEXT, (WPARAM)characters); }
};
