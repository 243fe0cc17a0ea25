#pragma once
// Resource ids of the page window (dialog 133), shared by its .rc and C++.
#define IDD_PAGE_WINDOW 133
#define IDC_BROWSER 1003
