// Entry of the framework tests; with --dialog-process it is the child that the driver drives,
// with --open-marker the program that a label's hyperlink opens.
#include "DialogScript.h"
#include "common/App.h"
#include <gtest/gtest.h>
#include <string.h>

int main(int argc, char** argv) {
    theApp.SetInstance(GetModuleHandleA(nullptr));
    if (argc > 1 && strcmp(argv[1], "--dialog-process") == 0)
        return RunDialogProcess();
    if (argc > 2 && strcmp(argv[1], "--open-marker") == 0)
        return MarkOpened(argv[2]);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
