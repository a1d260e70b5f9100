// The module of the host core library itself (Plexa.dll), which holds the
// host's own resources and registers the host's window classes.
#pragma once

#include <windows.h>

HMODULE PlexaModule();
