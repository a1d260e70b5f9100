#include "module/ModuleState.h"

jx_CORE* HostObject = nullptr;
jx_HANDLE ModuleInstance = nullptr;
std::uint32_t LanguageCookie = 0;
unsigned ColorChangeMessage = 0;
int NtVersionLevel = 0;
mjx_UNDOMGR* SharedUndoManager = nullptr;
