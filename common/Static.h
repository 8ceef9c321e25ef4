// The framework's static-text control class.
#pragma once
#include "common/Control.h"

class CStatic : public CControl {
  public:
    const char* RuntimeClass() const override { return "CStatic"; }
};
