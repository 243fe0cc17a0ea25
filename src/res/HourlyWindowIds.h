#pragma once
// Resource ids of the hourly analysis window (dialog 181), shared by its .rc
// and C++.
#define IDD_HOURLY_WINDOW 181
#define IDC_HOURLY_PRINT 1082
