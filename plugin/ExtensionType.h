// The one extension type the module makes.
#pragma once

inline constexpr char kExtensionTypeName[] = "ColorPiker";

// True when name is "ColorPiker" in any letter case.
bool IsExtensionTypeName(const char* name);
