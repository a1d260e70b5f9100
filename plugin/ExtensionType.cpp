#include "ExtensionType.h"

#include "AsciiText.h"

bool IsExtensionTypeName(const char* name) { return EqualsIgnoringAsciiCase(name, kExtensionTypeName); }
