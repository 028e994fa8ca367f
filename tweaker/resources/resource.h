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

// About / system information dialog.
#define IDC_CURSOR_HAND 109
#define IDC_ABOUT_ICON 1001
#define IDC_ABOUT_CHIP 1002
#define IDC_ABOUT_MCLK 1003
#define IDC_ABOUT_ECLK 1004
#define IDC_ABOUT_DRIVER 1005
#define IDC_ABOUT_BIOS 1006
#define IDC_ABOUT_DIRECTX 1007
#define IDC_ABOUT_DXMEDIA 1008
#define IDC_ABOUT_ECLK_LABEL 1009
#define IDC_ABOUT_VIDEO_RAM 1010
#define IDC_ABOUT_SUBSYSTEM 1011
#define IDC_ABOUT_ICD 1012
#define IDC_ABOUT_ICLK_LABEL 1013
#define IDC_ABOUT_METAL 1014
#define IDC_ABOUT_ICLK 1015
#define IDC_ABOUT_OS 1016
#define IDC_ABOUT_CLASS_KEY 1017
#define IDC_ABOUT_SYSTEM_RAM 1018
#define IDC_ABOUT_CPU_TYPE 1022
#define IDC_ABOUT_CPU_INFO 1024
#define IDC_ABOUT_CPU_FEATURES 1026
#define IDC_ABOUT_BUS 1028
