// The Windows version level the text shims choose wide or ANSI calls by.
#pragma once

constexpr unsigned kPlatformWin32Nt = 2;

// Platform id 2 (NT) gives 1; with major version 5 or more, 2; and with a
// minor version other than 0 as well, 3. Any other platform gives 0.
int NtVersionLevelOf(unsigned platformId, unsigned majorVersion, unsigned minorVersion);
