#pragma once
// Resource ids of the Quick Resize dialog (dialog 126), shared by its .rc and
// C++. Save is IDOK, Cancel is IDCANCEL.
#define IDD_QUICK_RESIZE 126
#define IDC_QUICK_RESIZE_SWITCH 1052
#define IDC_QUICK_RESIZE_SCALE 1053
#define IDC_QUICK_RESIZE_BROWSER 1003
