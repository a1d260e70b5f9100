// Compiled against the palette and color targets alone, this must fail: the
// portable core cannot see the module's headers.
#include "plugin/ModuleState.h"
