// The resource module of the standard-drafting library: the template of the type selection
// dialog. SelZumenType makes it the current resource module while its dialog is open.
#pragma once

#include "framework/ui/ResourceModule.h"

afx::ResourceModule& StdDraftResources();
