// Resource ids shared by the .rc files, the portable logic and the tests:
// dialogs, controls, icons, menus and commands. Only #defines here.
#pragma once

// Options dialog.
#define IDD_OPTIONS 128
#define IDC_OPT_AUTOSTART 1050
#define IDC_OPT_ADVANCED_MENUS 1051
#define IDC_OPT_LINK_TRIMIP 1052
#define IDC_OPT_LINK_FOG 1054
#define IDC_OPT_TC_SIZE 1068
#define IDC_OPT_TM_SIZE 1069
#define IDC_OPT_CONFIRM_AGP 1070
#define IDC_OPT_RESET_DISPLAY 1072
#define IDC_OPT_SORT_SCHEMES 1076
#define IDC_OPT_TWEAKRES_MENU 1077
#define IDC_OPT_SCHEME_CLOCKS 1078
#define IDC_OPT_IMMEDIATE_CLK 1082
#define IDC_OPT_OVERCLOCKING 1083
#define IDC_OPT_WRITE_DEFAULTS 1281
#define IDC_OPT_ASK_DISPLAY 1282
#define IDC_OPT_DISABLE_ICT 1296
#define IDC_OPT_PERFICD_MENU 1305

// Message box.
#define IDD_MSGBOX 130
#define IDC_MSGBOX_TEXT 2000
#define IDC_MSGBOX_ICON 2001
#define IDC_MSGBOX_BUTTON1 2011
#define IDC_MSGBOX_BUTTON2 2012
#define IDC_MSGBOX_BUTTON3 2013
#define IDC_MSGBOX_BUTTON4 2014
#define IDC_MSGBOX_BUTTON5 2015

// Program icon (the main window's class icon).
#define IDI_VIDARIX 152

// Tray icons by chip family.
#define IDI_SAVAGE3D 110
#define IDI_SAVAGE4 111
#define IDI_SAVAGEMX 138
#define IDI_SAVAGE2000 168

// Tray menus (their tables stand in for menu resources).
#define IDR_MENU_ADVANCED 105
#define IDR_MENU_BASIC 106

// Dialog templates of the tray commands.
#define IDD_ABOUT 120
#define IDD_SAVE_SCHEME_AS 124
#define IDD_OVERCLOCK 126
#define IDD_DISPLAY_OUTPUTS 141
#define IDD_MINIGL_APPLICATIONS 145
#define IDD_CONFIGURE_SCHEMES 146
#define IDD_GAMMA 147
#define IDD_REFRESH_RATES 170

// Display Outputs dialog.
#define IDC_OUT_CRT 1202
#define IDC_OUT_CRT_STATUS 1204
#define IDC_OUT_TV 1206
#define IDC_OUT_TV_STATUS 1208
#define IDC_OUT_LCD 1210
#define IDC_OUT_LCD_STATUS 1212
#define IDC_OUT_FLAT_STATUS 1214
#define IDC_OUT_FLAT 1216
#define IDC_OUT_TV_STANDARD 1283
#define IDC_OUT_TV_PORT 1284
#define IDC_OUT_EXPAND_LCD 1285
#define IDC_OUT_FLICKER_LEVEL 1286
#define IDC_OUT_BRIGHTNESS 1287
#define IDC_OUT_CONTRAST 1288
#define IDC_OUT_COLOUR 1289
#define IDC_OUT_TINT 1290
#define IDC_OUT_HORZ_SIZE 1291
#define IDC_OUT_VERT_SIZE 1292
#define IDC_OUT_FLICKER 1293
#define IDC_OUT_LOCK_RATIO 1294
#define IDC_OUT_VERT_POS 1295
#define IDC_OUT_HORZ_POS 1297
#define IDC_OUT_DUOVIEW 1301
#define IDC_OUT_APPLY 3

// MiniGL Applications dialog.
#define IDC_MGL_ADD 1224
#define IDC_MGL_REMOVE 1225
#define IDC_MGL_LIST 1226
#define IDC_MGL_ALLOW 1227
