// The window classes the host lends to module dialogs: "JX_Toolbar" and
// "JX_UPDOWN". Both keep the pointer to their host object in window long 0;
// a window whose object is null is a placeholder that a dialog leaves alone.
#pragma once

void RegisterHostWindowClasses();
