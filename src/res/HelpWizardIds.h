#pragma once
// Resource ids of the Help Wizard (dialog 129), shared by its .rc and C++.
#define IDD_HELP_WIZARD 129
#define IDC_HELP_TOPICS 1002
#define IDC_HELP_BROWSER 1003
