// Entry of the framework tests; with --dialog-process it is the child that the driver drives.
#include "DialogScript.h"
#include "common/App.h"
#include <gtest/gtest.h>
#include <string.h>

int main(int argc, char** argv) {
    theApp.SetInstance(GetModuleHandleA(nullptr));
    if (argc > 1 && strcmp(argv[1], "--dialog-process") == 0)
        return RunDialogProcess();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
