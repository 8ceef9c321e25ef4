// The framework's list-box class.
#pragma once
#include "common/Control.h"

class CListBox : public CControl {
  public:
    const char* RuntimeClass() const override { return "CListBox"; }
    void Clear() const { Send(LB_RESETCONTENT); }
    // Answers the row of the new entry (sorted lists place it in order), or a negative LB_ERR.
    int Add(const char* text) const { return (int)Send(LB_ADDSTRING, 0, (LPARAM)text); }
    int Count() const { return (int)Send(LB_GETCOUNT); }
    // Selected row of a single-selection list, LB_ERR (-1) when none is selected.
    int Selection() const { return (int)Send(LB_GETCURSEL); }
    // Selects row (-1: none) without notifying the parent, as LB_SETCURSEL does.
    void Select(int row) const { Send(LB_SETCURSEL, (WPARAM)row); }
    // Copies the text of row into buffer (cut to fit, terminated); answers false and stores ""
    // for a row that does not exist.
    bool RowText(int row, char* buffer, size_t size) const;
};
