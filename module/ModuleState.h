// State the whole module shares: written by start-up and shut-down (and the
// first dialog run, for the undo manager), read everywhere else. Everything
// runs on the host's user-interface thread, so nothing here is locked.
#pragma once

#include <cstdint>

#include "plexa/PlexaApi.h"

class jx_CORE;
class mjx_UNDOMGR;

// Every host operation is called through it.
extern jx_CORE* HostObject;
// The module's own instance: dialogs, bitmaps, cursors, built-in palettes.
extern jx_HANDLE ModuleInstance;
// First argument of every text lookup.
extern std::uint32_t LanguageCookie;
// Registered window message "3D color picker", sent to the requester window
// with each new current color.
extern unsigned ColorChangeMessage;
// 0: not Windows NT; 1: NT before 5.0; 2: NT 5.0 (and NT x.0); 3: NT 5.1 and
// other minor versions. Selects the wide or ANSI form of some Win32 calls.
extern int NtVersionLevel;
// One history for the module's lifetime: created by the first dialog run,
// destroyed at shut-down.
extern mjx_UNDOMGR* SharedUndoManager;
