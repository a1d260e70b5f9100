// The window classes the host lends to module dialogs: "JX_Toolbar" and
// "JX_UPDOWN", registered once for the whole process.
#pragma once

void RegisterHostWindowClasses();
