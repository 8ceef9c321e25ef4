// The language message file "is-00001\setuplan.<code>" of the medium and the texts read from it.
#pragma once

// Reads every text of sections MSG and DLG of the current language's file into the message
// table, after releasing the previous ones. Missing or empty values stay absent; a missing file,
// or a path that does not fit a path buffer, leaves every text absent. The first "%P" of [DLG]
// P31 and PF1 becomes "%s". Answers true in every case.
bool LoadMessageTable();
// Releases every text of the message table and marks it absent.
void FreeMessageTable();
