#pragma once
// Resource ids of the Contact Information dialog (dialog 128), shared by its
// .rc and C++. Save is IDOK, Close is IDCANCEL.
#define IDD_CONTACT 128
#define IDC_CONTACT_NAME_LABEL 1039
#define IDC_CONTACT_NAME 1026
#define IDC_CONTACT_EMAIL_LABEL 1040
#define IDC_CONTACT_EMAIL 1055
