// The window classes the host lends to module dialogs: "JX_Toolbar" and
// "JX_UPDOWN". For now both are inert placeholders (default window
// procedure, a null object in window long 0) that let a dialog template
// naming them be created; a dialog leaves a window without an object alone.
#pragma once

void RegisterHostWindowClasses();
