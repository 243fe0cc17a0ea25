// Resource ids of the main window (dialog 102) and the About box (dialog 100),
// shared by their .rc scripts and the C++ that drives them.
#pragma once

#define IDD_ABOUT 100
#define IDC_ABOUT_TEXT 1000

#define IDD_MAIN_WINDOW 102
#define IDC_HELP_BUTTON 1001
#define IDC_PROFILE_LIST 1002
#define IDC_ADD_PROFILE 1003
#define IDC_EDIT_PROFILE 1004
#define IDC_DELETE_PROFILE 1005
#define IDC_DATE_LABEL 1028
#define IDC_MONTH 1029
#define IDC_DAY 1030
#define IDC_YEAR 1031
#define IDC_DATE_HINT 1032
#define IDC_SCHEDULE 1062
#define IDC_OPEN_REPORT 1063
#define IDC_COMPANION 1067
#define IDC_DREAMS 1084

// The system-menu command that opens the About box. System commands keep
// their low four bits clear, so it is a multiple of 16.
#define IDM_ABOUT 16
