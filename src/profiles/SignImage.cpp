#include "profiles/SignImage.h"

#include "profiles/ZodiacSigns.h"

std::string SignImagePath(const std::string& dataDirectory, int month, int day)
{
    return dataDirectory + SignImageFile(month, day);
}
