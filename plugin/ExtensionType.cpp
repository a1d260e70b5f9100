#include "plugin/ExtensionType.h"

#include "common/AsciiText.h"
#include "plexa/jx_EXTENSION.h"

bool IsExtensionTypeName(const char* name) { return EqualsIgnoringAsciiCase(name, kColorPikerTypeName); }
