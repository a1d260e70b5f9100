// The host's spin control window class "JX_UPDOWN": the common-controls
// up-down control itself, extended, whose buddy is the dialog's edit field
// with the id one below its own. Every step writes the buddy's number, so
// the dialog hears it as EN_CHANGE of the field; the arrow keys in the field
// and the mouse wheel over either step it too. The range comes with
// kJxUpDownSetRange. Where it lies over its field, the spin is on top.
#pragma once

#include <windows.h>

// Registers the class in `module`, for every module of the process; false
// when the common controls' up-down class is not there to extend.
bool RegisterHostUpDownClass(HMODULE module);
