#pragma once
// Resource ids of the Monthly Outlook window (dialog 183), shared by its .rc
// and C++.
#define IDD_MONTHLY_OUTLOOK 183
#define IDC_MONTHLY_SAVE 1091
#define IDC_MONTHLY_PRINT 1092
