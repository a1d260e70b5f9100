// Replaces the "#N" placeholder texts of a dialog and its controls by the
// entries of a module's text table.
#pragma once

#include <windows.h>

#include "host/plexa/src/TextTable.h"

void LocalizeDialogTexts(const TextTable& texts, HWND dialog);
