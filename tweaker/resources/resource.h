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

// Configure Schemes (146) and Save As (124).
#define IDC_SCHEME_FILE_PATH 1056
#define IDC_SCHEME_LIST 1060
#define IDC_SCHEME_DELETE 1062
#define IDC_SCHEME_UPDATE 1064
#define IDC_SCHEME_SAVE_AS 1066
#define IDC_SAVE_AS_NAME 1074
#define IDC_SAVE_AS_MINIGL 1080
#define IDC_SAVE_AS_CLOCKS 1090
#define IDC_SAVE_AS_STANDARD 1092
#define IDC_SAVE_AS_KEEP_AGP 1094
// Overclock dialog (IDD_OVERCLOCK).
#define IDC_OC_ICON_LEFT 137
#define IDC_OC_ICON_RIGHT 136
#define IDC_OC_MCLK_SLIDER 1030
#define IDC_OC_MCLK_TEXT 1032
#define IDC_OC_MCLK_MIN 1234
#define IDC_OC_MCLK_MAX 1235
#define IDC_OC_MCLK_REMOVE 1034
#define IDC_OC_MCLK_DEFAULT 1042
#define IDC_OC_MCLK_APPLY 1043
#define IDC_OC_ECLK_LABEL 1036
#define IDC_OC_ECLK_SLIDER 1038
#define IDC_OC_ECLK_TEXT 1040
#define IDC_OC_ECLK_MIN 1237
#define IDC_OC_ECLK_MAX 1238
#define IDC_OC_ECLK_REMOVE 1035
#define IDC_OC_ECLK_DEFAULT 1044
#define IDC_OC_ECLK_APPLY 1045
#define IDC_OC_USE_RATIO 1232
#define IDC_OC_RATIO 1233
