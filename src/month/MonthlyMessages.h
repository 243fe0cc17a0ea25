#pragma once
// Message-box texts of the Monthly Outlook window (caption "Oracline").
inline constexpr const char* kMonthlyOutlookSaved = "Your Monthly Outlook was saved successfully.     ";
inline constexpr const char* kMonthlyOutlookNotSaved = "Unable to save Monthly Outlook.    ";
