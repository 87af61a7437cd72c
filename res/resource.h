#pragma once
#define IDR_MAINFRAME      220
#define IDD_TECFG_DIALOG   102
#define IDD_MENU_DIALOG    214
