#include "module/ModuleText.h"

#include "module/ModuleState.h"
#include "plexa/jx_CORE.h"

// Before start-up there is no host to ask: every text is empty then.
const char16_t* GetModuleText(int id)
{
    const char16_t* text = HostObject ? HostObject->LookupModuleText(LanguageCookie, id) : nullptr;
    return text ? text : u"";
}
