// The maker's driver-setup helpers on the medium, the restart flag they may raise, and the
// information files the maker's uninstall helpers read later.
#pragma once

// Runs the helper for the running Windows version and waits for it: "SETUP16.EXE" on Windows 95,
// 98 and Me (with the short form of the start-up folder, "\winme" added on Me), followed by the
// "RebootFlags" check; the entry point "Setup" of "SETUP32.DLL" on the other NT-family versions
// (main window, "<medium>\winnt", address of the restart flag); nothing on Windows 2000 and XP.
// A helper that is missing or fails is skipped without a report.
void RunDriverHelper();

// Writes "MouInfo.ini" (seven entries; a key missing from setupm.ini is written empty) and the
// [Main] VER entry of "TUNING.INI" into the target folder. A failing write leaves its entry out.
void WriteHelperInfoFiles();
