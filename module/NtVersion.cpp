#include "module/NtVersion.h"

int NtVersionLevelOf(unsigned platformId, unsigned majorVersion, unsigned minorVersion)
{
    if (platformId != kPlatformWin32Nt)
        return 0;
    if (majorVersion < 5)
        return 1;
    // Only the minor version is tested above 5.0: NT 6.0 is level 2, 6.1 level 3.
    return minorVersion != 0 ? 3 : 2;
}
