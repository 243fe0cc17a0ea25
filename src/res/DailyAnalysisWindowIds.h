// Resource ids of the Daily Analysis window (dialog 132), shared by its .rc
// and the C++ that runs and drives it.
#pragma once

#define IDD_DAILY_ANALYSIS 132

// Print is the dialog's OK command (IDOK), so Enter prints too.
#define IDC_DAILY_EMAIL 1055
#define IDC_DAILY_SAVE 1057
#define IDC_DAILY_EXPLAIN 1064
#define IDC_DAILY_PREV_DAY 1065
#define IDC_DAILY_NEXT_DAY 1066
#define IDC_DAILY_NOW 1067

// The hourly analysis of each reading, the superstition of the day, then the
// Monthly Outlook.
#define IDC_DAILY_EMOTIONAL 1071
#define IDC_DAILY_PHYSICAL 1072
#define IDC_DAILY_INTELLECTUAL 1073
#define IDC_DAILY_INTUITION 1074
#define IDC_DAILY_FORTUNE 1075
#define IDC_DAILY_SUPERSTITION 1076
#define IDC_DAILY_MONTHLY 1078
