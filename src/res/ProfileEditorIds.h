// Resource ids of the profile editor (dialog 130), shared by its .rc and C++;
// nothing but #defines, so the resource compiler reads it too.
#pragma once

#define IDD_PROFILE_EDITOR 130

#define IDC_DESCRIPTION_LABEL 1030
#define IDC_DESCRIPTION 1029
#define IDC_FULL_NAME_LABEL 1026
#define IDC_FULL_NAME 1027
#define IDC_BIRTHDAY_LABEL 1025
#define IDC_YOUR_MONTH 1006
#define IDC_YOUR_DATE 1007
#define IDC_YOUR_YEAR 1008
#define IDC_YEAR_PAGE 1077
#define IDC_SIGN_PAGE 1058
#define IDC_NUMBER_PAGE 1059
#define IDC_USE_MOTHER 1015
#define IDC_MOTHER_MONTH 1009
#define IDC_MOTHER_DATE 1010
#define IDC_MOTHER_YEAR 1011
#define IDC_USE_FATHER 1016
#define IDC_FATHER_MONTH 1012
#define IDC_FATHER_DATE 1013
#define IDC_FATHER_YEAR 1014
#define IDC_USE_PERSONAL 1017
#define IDC_GOOD_LABEL 1031
#define IDC_GOOD_MONTH 1018
#define IDC_GOOD_DATE 1019
#define IDC_GOOD_YEAR 1020
#define IDC_BAD_LABEL 1032
#define IDC_BAD_MONTH 1021
#define IDC_BAD_DATE 1022
#define IDC_BAD_YEAR 1023
