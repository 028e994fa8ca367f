// Tray menu command ids, shared by the menu tables, the command handler, the
// .rc files and the tests. Only #defines here.
#pragma once

// Program commands.
#define IDM_ABOUT 30006
#define IDM_EXIT 30007
#define IDM_OPTIONS 30008
#define IDM_OVERCLOCK 30009
#define IDM_HELP 30010
#define IDM_MINIGL_CONFIG 30038
#define IDM_OUTPUTS 30420
#define IDM_GAMMA 30427
#define IDM_REFRESH_RATES 30449

// Direct3D driver switches.
#define IDM_WAIT_VSYNC 30001
#define IDM_TRILINEAR 30002
#define IDM_S3TC 30003
#define IDM_AUTO_MIPMAP 30004
#define IDM_Z_BUFFER 30018
#define IDM_NON_DX_FOG 30023
#define IDM_EYE_FOG 30024
#define IDM_TEXPATCH 30025
#define IDM_FASTDRAW 30026
#define IDM_OVERSAMPLE 30027
#define IDM_TRIPLE_BUFFER 30028
#define IDM_FLIPBLT 30029
#define IDM_BLOCK_WRITE 30036
#define IDM_WRITE_COMBINING 30037
#define IDM_TOP_SCAN_LINE 30422
#define IDM_FAST_Z_CLEAR 30428
#define IDM_NO_FOG 30437
#define IDM_FORCE_W_BUFFER 30448
#define IDM_FIX_GAME_TEXT 30450

// Texture memory: AutoAGP, VidTex only, by application.
#define IDM_AUTO_AGP 30019
#define IDM_VIDTEX_ONLY 30020
#define IDM_TEXTURES_BY_APP 30021

// CommandDMA buffer of 1 to 4 MB: the size is the id less IDM_COMMAND_DMA_BASE.
#define IDM_COMMAND_DMA_BASE 30029
#define IDM_COMMAND_DMA_FIRST 30030
#define IDM_COMMAND_DMA_LAST 30033

// dBias 1.0 down to -1.0 in steps of 0.1; IDM_DBIAS_ZERO is 0.0.
#define IDM_DBIAS_FIRST 30040
#define IDM_DBIAS_ZERO 30050
#define IDM_DBIAS_LAST 30060

// AGP sizes: "Custom" (the default size), then one item per size in MB at
// IDM_AGP_SIZE_CUSTOM + size.
#define IDM_AGP_SIZE_CUSTOM 30100
#define IDM_AGP_SIZE_LAST 30228

// AGP rates: the rate is the id less IDM_AGP_RATE_BASE.
#define IDM_AGP_RATE_BASE 30400
#define IDM_AGP_1X 30401
#define IDM_AGP_2X 30402
#define IDM_AGP_4X 30404
#define IDM_AGP_SIDEBAND 30429

// MiniGL switches.
#define IDM_MINIGL_32BIT 30410
#define IDM_MINIGL_AUTO_S3TC 30411
#define IDM_MINIGL_S3TC_DISK_CACHE 30412
#define IDM_MINIGL_TEXTURE_CACHE 30413
#define IDM_MINIGL_MIPMAPPING 30414

// OpenGL driver switches; the three-way ones as Auto, Off, On.
#define IDM_ICD_3DNOW 30430
#define IDM_ICD_SIMD 30431
#define IDM_ICD_HWTNL_AUTO 30432
#define IDM_ICD_HWTNL_OFF 30433
#define IDM_ICD_HWTNL_ON 30434
#define IDM_ICD_KTX 30435
#define IDM_ICD_W_BUFFER 30436
#define IDM_ICD_AUTO_Z_CLEAR_AUTO 30439
#define IDM_ICD_AUTO_Z_CLEAR_OFF 30440
#define IDM_ICD_AUTO_Z_CLEAR_ON 30441
#define IDM_ICD_FOG_TABLE_AUTO 30442
#define IDM_ICD_FOG_TABLE_ON 30443
#define IDM_ICD_FOG_TABLE_OFF 30444
#define IDM_ICD_TEXTURE_SIZE_AUTO 30445
#define IDM_ICD_TEXTURE_SIZE_16 30446
#define IDM_ICD_TEXTURE_SIZE_32 30447

// Ranges the program fills at each right click.
#define IDM_DISPLAY_MODE_FIRST 39000
#define IDM_DISPLAY_MODE_LAST 40095
#define IDM_SCHEME_CONFIGURE 40096
#define IDM_SCHEME_REFRESH 40097
#define IDM_SCHEME_DEFAULT 40098
#define IDM_SCHEME_FIRST 41000
