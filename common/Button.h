// The framework's button class (push, check and radio buttons).
#pragma once
#include "common/Control.h"

class CButton : public CControl {
  public:
    const char* RuntimeClass() const override { return "CButton"; }
    // BST_CHECKED, BST_UNCHECKED or BST_INDETERMINATE.
    int CheckState() const { return (int)Send(BM_GETCHECK); }
    void SetCheck(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
    bool IsChecked() const { return CheckState() == BST_CHECKED; }
};
