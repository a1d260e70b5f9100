// Identifiers of the module's resources, its dialog's controls and commands,
// and the entries of its language table: shared by the resource script, the
// dialog code and the tests. The resource compiler reads this file too, so
// it holds plain #defines only.
#pragma once

// Resources
#define IDI_MODULE 1
#define IDD_PICKER 101
#define IDCUR_EYEDROPPER 105
#define IDB_EYEDROPPER_LIFTED 108
#define IDB_EYEDROPPER 109
#define IDB_EMPTY_SLOT 110

// Buttons: OK and Cancel are Windows' IDOK and IDCANCEL
#define IDC_OK_BUTTON 1
#define IDC_CANCEL_BUTTON 2
#define IDC_HELP_BUTTON 9
#define IDC_SIZE_MODE 1036

// Windowless controls: hidden statics that only fix where each one sits
#define IDC_ORIGINAL_SWATCH 1003
#define IDC_CURRENT_SWATCH 1004
#define IDC_RED_SLIDER 1017
#define IDC_GREEN_SLIDER 1018
#define IDC_BLUE_SLIDER 1019
#define IDC_HUE_SLIDER 1020
#define IDC_SATURATION_SLIDER 1021
#define IDC_VALUE_SLIDER 1022
#define IDC_STRIP 1023
#define IDC_ALPHA_SLIDER 1024
#define IDC_FIELD 1025
#define IDC_SHELF 1026

// Field mode radio buttons, red to value (the mode is the offset from red)
#define IDC_MODE_RED 1123
#define IDC_MODE_GREEN 1124
#define IDC_MODE_BLUE 1125
#define IDC_MODE_HUE 1126
#define IDC_MODE_SATURATION 1127
#define IDC_MODE_VALUE 1128

// Other child windows
#define IDC_SHELF_SCROLLBAR 1027
#define IDC_ORIGINAL_LABEL 1028
#define IDC_CURRENT_LABEL 1029
#define IDC_HEX_LABEL 1030
#define IDC_RGB_LABEL 1031
#define IDC_PALETTE_LABEL 1032
#define IDC_EYEDROPPER 1034
#define IDC_ALPHA_LABEL 1129
#define IDC_HEX_FIELD 1130
#define IDC_PALETTE_TOOLBAR 1131
#define IDC_SLOT_TOOLBAR 1132
#define IDC_DECIMAL_FIELD 1133
#define IDC_UNDO_TOOLBAR 1134

// Channel fields and their spin controls: red, green, blue from 3005, hue,
// saturation, value from 3011, each edit field followed by its spin control
#define IDC_RED_FIELD 3005
#define IDC_RED_SPIN 3006
#define IDC_GREEN_FIELD 3007
#define IDC_GREEN_SPIN 3008
#define IDC_BLUE_FIELD 3009
#define IDC_BLUE_SPIN 3010
#define IDC_HUE_FIELD 3011
#define IDC_HUE_SPIN 3012
#define IDC_SATURATION_FIELD 3013
#define IDC_SATURATION_SPIN 3014
#define IDC_VALUE_FIELD 3015
#define IDC_VALUE_SPIN 3016
#define IDC_ALPHA_FIELD 3019
#define IDC_ALPHA_SPIN 3020

// Commands of the toolbars and the system menu
#define IDM_PALETTE_MENU 0
#define IDM_SCROLL_TO_EMPTY_SLOT 2000
#define IDM_SAVE_PALETTE 2002
#define IDM_LOAD_PALETTE 2003
#define IDM_BACKGROUND_SYSTEM 2004
#define IDM_BACKGROUND_WHITE 2005
#define IDM_BACKGROUND_CURRENT 2006
#define IDM_TOOLTIP_HELP 2011
#define IDM_STORE_IN_EMPTY_SLOT 2012
#define IDM_UNDO 2013
#define IDM_REDO 2014
#define IDM_SHOW_CONTRAST 2020
#define IDM_COPY_HEX 2021
#define IDM_COPY_CSS 2022
#define IDM_COPY_FLOAT 2023
#define IDM_COPY_LINEAR 2024
// Palette menu entries of the catalog's palettes
#define IDM_FIRST_CATALOG_PALETTE 4001
#define IDM_LAST_CATALOG_PALETTE 5000

#define IDT_BLINK 11
// The color's texts catching up during a drag or a pick
#define IDT_COLOR_TEXTS 12

// Entries of the language table
#define IDS_NAME 1
#define IDS_DESCRIPTION 2
#define IDS_DISPLAY_NAME 4
#define IDS_OK 5
#define IDS_CANCEL 6
#define IDS_HELP 7
#define IDS_CLOSE 9
#define IDS_CAPTION 10
#define IDS_ORIGINAL 11
#define IDS_CURRENT 12
#define IDS_HEX 13
#define IDS_RGB 14
#define IDS_PALETTE 15
#define IDS_SIZE_MODE_COMPACT 16
#define IDS_SIZE_MODE_FULL 17
#define IDS_CHANNEL_RED 20
#define IDS_CHANNEL_GREEN 21
#define IDS_CHANNEL_BLUE 22
#define IDS_CHANNEL_HUE 23
#define IDS_CHANNEL_SATURATION 24
#define IDS_CHANNEL_VALUE 25
#define IDS_CHANNEL_ALPHA 27
#define IDS_OPEN_FILTER 44
#define IDS_SAVE_FILTER 45
#define IDS_DEFAULT_SAVE_NAME 46
#define IDS_CANNOT_CREATE_FILE 47
#define IDS_ERROR 48
#define IDS_CANNOT_OPEN_FILE 49
#define IDS_TIP_RESET_PALETTE 50
#define IDS_TIP_LOAD_PALETTE 51
#define IDS_TIP_SAVE_PALETTE 52
#define IDS_TIP_SIZE_MODE 55
#define IDS_TIP_DECIMAL 59
#define IDS_TIP_HEX 60
#define IDS_TIP_EYEDROPPER 61
#define IDS_TIP_ORIGINAL 63
#define IDS_TIP_CURRENT 64
#define IDS_TIP_FILLED_SLOT 65
#define IDS_TIP_EMPTY_SLOT 66
#define IDS_TIP_STORE_IN_SLOT 68
#define IDS_TIP_GRADIENT_TO_SLOT 69
#define IDS_TIP_STORE_IN_EMPTY_SLOT 71
#define IDS_TIP_SCROLL_TO_EMPTY_SLOT 72
#define IDS_MENU_BACKGROUND_SYSTEM 75
#define IDS_MENU_BACKGROUND_WHITE 76
#define IDS_MENU_BACKGROUND_CURRENT 77
#define IDS_MENU_TOOLTIP_HELP 78
#define IDS_TIP_UNDO 80
#define IDS_TIP_REDO 81
#define IDS_CATALOG_LEFT_OUT 99
#define IDS_MENU_SHOW_CONTRAST 100
#define IDS_MENU_COPY_AS 101
#define IDS_MENU_COPY_HEX 102
#define IDS_MENU_COPY_CSS 103
#define IDS_MENU_COPY_FLOAT 104
#define IDS_MENU_COPY_LINEAR 105
#define IDS_CONTRAST 106
#define IDS_CONTRAST_AAA 107
#define IDS_CONTRAST_AA 108
#define IDS_CONTRAST_AA_LARGE 109
#define IDS_COLOR_FIELD 110
#define IDS_COLOR_STRIP 111
