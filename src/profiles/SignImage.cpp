#include "profiles/SignImage.h"

#include "engine/ZodiacSigns.h"

std::string SignImagePath(const std::string& dataDirectory, int month, int day)
{
    return dataDirectory + SignImageFile(month, day);
}
