// The first step of every installation: which Windows runs, and which language to start in.
#pragma once

// Clears the six OS flags and sets the one of the running Windows (none when it cannot be
// determined or belongs to no class), then picks the default language from the system language
// (languageIndex unchanged when that has no entry; languageCode is not touched).
void DetectEnvironment();
