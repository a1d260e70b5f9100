#include "ModuleText.h"

#include "ModuleState.h"
#include "plexa/jx_CORE.h"

const char16_t* GetModuleText(int id) { return HostObject->LookupModuleText(LanguageCookie, id); }
