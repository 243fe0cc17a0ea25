#include "app/ReleaseDate.h"

#include <cstdlib>

std::string ReleaseDateText(const std::string& compilerDate)
{
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (compilerDate.size() != 11)
        return "";
    int month = 0;
    for (int i = 0; i < 12; ++i)
        if (compilerDate.compare(0, 3, months[i]) == 0)
            month = i + 1;
    int day = std::atoi(compilerDate.substr(4, 2).c_str());
    int year = std::atoi(compilerDate.substr(7, 4).c_str());
    if (month == 0 || day < 1 || day > 31 || year < 1)
        return "";
    return std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year);
}
