// Shared helpers for the test programs that run under Wine (library test_support).
//
//   TestEnv.h      EnvPath("MEDIUM_DIR"): a folder or file handed over through add_gtest's ENV,
//                  as a Windows path (a host path /a/b becomes Z:\a\b).
//   TempFolder.h   CTempFolder: a fresh folder below the Windows temporary folder, removed with
//                  everything in it at destruction; Write() puts a file (and its folders) in it.
//   RegKeyGuard.h  CRegKeyGuard: deletes a registry key tree at construction and at destruction,
//                  so a test starts from and leaves no key; DeleteKeyTree() does it once.
//   ChildRun.h     RunChild() / RunTestInChild(): runs a program, or one test of this program, in
//                  a child process under a given Windows version (Wine's per-program Version
//                  setting on a uniquely named copy, removed afterwards) and system language
//                  (LC_ALL, handed to the child's Wine through a host shell), and answers its
//                  exit code and output.
//
// Link: target_link_libraries(... test_support), or add_gtest(... LIBS test_support ...).
#pragma once
#include "support/ChildRun.h"
#include "support/RegKeyGuard.h"
#include "support/TempFolder.h"
#include "support/TestEnv.h"
