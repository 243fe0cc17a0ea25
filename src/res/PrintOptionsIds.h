#pragma once
// Resource ids of the Print Options dialog (dialog 124), shared by its .rc
// and C++. Print is the dialog's OK command (IDOK).
#define IDD_PRINT_OPTIONS 124
#define IDC_PRINT_PHOTO_4X6 1070
#define IDC_PRINT_HEIGHT 1073
#define IDC_PRINT_WIDTH 1074
#define IDC_PRINT_RESOLUTION 1075
#define IDC_PRINT_RESIZE 1053
#define IDC_PRINT_TILE 1032
