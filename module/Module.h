// Start and stop of the library. Loading the shared library links the dialogs' resource
// module into the framework's module chain, so that the framework finds the dialog templates;
// unloading takes it out again. Hosts reach the module itself through this header.
#pragma once

#include "dialogs/DialogModule.h"
