#include "schedule/AccountChecks.h"

std::string CheckAccount(const std::string& userId, const std::string& password)
{
    const size_t longest = kLongestAccountText;
    if (userId.size() > longest)
        return "User ID is too long. Maximum size is 50 characters.    ";
    if (password.size() > longest)
        return "Password is too long. Maximum size is 50 characters.    ";
    if (userId.empty())
        return "Please enter the User ID you use to login to your PC.    ";
    if (password.empty())
        return "Please enter the Password you use to login to your PC.     ";
    return "";
}
