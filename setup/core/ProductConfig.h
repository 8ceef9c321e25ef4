// The product configuration "setupm.ini" of the medium and the default installation folder.
#pragma once

// Records the current directory as startFolder, reads the eleven texts of setupm.ini into the
// configuration (each present afterwards; a missing file, key or unfitting path gives empty
// texts) and computes the default targetFolder: Program Files (or, when that key cannot be
// opened, the previous target folder and the product key) joined with [Target] Dir.
void LoadProductConfig();
// Releases the eleven texts and marks each absent.
void FreeProductConfig();
