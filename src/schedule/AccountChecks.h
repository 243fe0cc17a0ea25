#pragma once
// The Set Security Attributes dialog (182): the Windows login the daily job
// runs under. The password goes to the task scheduler and nowhere else.
#include <string>

inline constexpr int kLongestAccountText = 50;

// The refusal for the typed login, or an empty text when "Use My Account"
// may close the dialog. Lengths are checked before emptiness.
std::string CheckAccount(const std::string& userId, const std::string& password);

inline constexpr const char* kUseDefaultsQuestion =
    "Default User ID and Password can be used to schedule daily reports.    \nHowever, your PC security "
    "settings may not allow normal program execution.    \n\nIt is highly recommended that you use your "
    "Windows Login ID and Password instead.     \nAre you sure that you still want to use Default User ID "
    "and Password?";

inline constexpr const char* kAccountNotSetMessage =
    "Unable to set security attributes.    \nThe User Account you are using might not have necessary "
    "security attributes.    ";
