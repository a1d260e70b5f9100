// The one extension type the module makes.
#pragma once

// True when name is the color picker's type name in any letter case.
bool IsExtensionTypeName(const char* name);
