#pragma once
// Resource id of the saved-report viewer (dialog 125).
#define IDD_REPORT_VIEWER 125
