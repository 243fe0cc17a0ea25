#pragma once
// Resource ids of the Companion Analysis window (dialog 179), shared by its
// .rc and C++.
#define IDD_COMPANION_WINDOW 179
#define IDC_COMPANION_EXPLAIN 1064
