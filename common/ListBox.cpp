// Row text of the framework's list box, bounded by the caller's buffer.
#include "common/ListBox.h"
#include <stdlib.h>
#include "common/logic/TextBuf.h"

bool CListBox::RowText(int row, char* buffer, size_t size) const {
    if (size == 0)
        return false;
    buffer[0] = '\0';
    LRESULT length = Send(LB_GETTEXTLEN, (WPARAM)row);
    if (length == LB_ERR)
        return false;
    char* text = static_cast<char*>(malloc((size_t)length + 1));
    if (text == nullptr)
        return false;
    bool found = Send(LB_GETTEXT, (WPARAM)row, (LPARAM)text) != LB_ERR;
    if (found) {
        text[length] = '\0';
        CopyText(buffer, size, text);
    }
    free(text);
    return found;
}
