// The install worker: the thread that copies the product while the progress window animates,
// the payload file table, and the folder and library helpers the engine's steps share.
#pragma once
#include <windows.h>

// 1 while the install worker runs, 0 once it has ended. Written whole by the window thread (before
// the worker starts) and by the worker; polled by the progress window.
extern volatile LONG workerRunning;

// The files the installation places, by index. Groups: program files 0-4, variant files 5-7,
// uninstall helper files 8-9, language files 10-12, the uninstaller 13, the install log's name 14.
enum PayloadIndex {
    PAYLOAD_FIRST_PROGRAM = 0,
    PAYLOAD_FIRST_VARIANT = 5,
    PAYLOAD_FIRST_HELPER = 8,
    PAYLOAD_FIRST_LANGUAGE = 10,
    PAYLOAD_UNINSTALLER = 13,
    PAYLOAD_LOG = 14,
    PAYLOAD_COUNT = 15,
};
extern const char* const PayloadFiles[PAYLOAD_COUNT];

// Sets workerRunning to 1 and runs InstallWorker on a new thread with a 64 KiB stack; the thread
// is not waited for. When no thread can be made, the worker runs here and returns when done, so
// the installation still happens and workerRunning is 0 afterwards.
void StartInstallWorker(void* window);
// The worker's whole job (sixteen steps in a fixed order); its argument is not read, it answers 0.
unsigned __stdcall InstallWorker(void* window);

// Makes every folder along path, level by level below its root; with isFile the last part is a
// file name and is not made. Failures (an existing folder included) are ignored. Answers whether
// the folder tested at the end (path itself, or the folder of the file) exists.
bool EnsureDirectory(const char* path, bool isFile);

// One entry point to look up and the place its address goes.
struct ProcSlot {
    const char* name;
    FARPROC* slot;
};
// Loads the library at path into module (null on failure) and looks up the entry points in order,
// storing each in its slot. Answers false when the library does not load or at the first name not
// found (the library stays loaded and later slots keep their contents). The caller frees module.
bool LoadLibraryProcs(const char* path, HMODULE& module, const ProcSlot* procs, int count);
