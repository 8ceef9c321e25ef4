// The running Windows version's class, kept in the process state.
#pragma once

// Sets removalState.osClass from the platform version.
void ClassifyWindows();
