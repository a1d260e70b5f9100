// Localized texts of the module, looked up by number through the host.
#pragma once

// The UTF-16 text of entry id of the module's language table. Owned by the
// host: copy it or use it at once, never free it. Valid after start-up.
const char16_t* GetModuleText(int id);
