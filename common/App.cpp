// The process-wide application object.
#include "common/App.h"

CApp theApp;
