#pragma once
// What the zodiac sign page says about each sign.
#include "engine/ZodiacSigns.h"

#include <string>

// The sign's name, date range, description and compatible and incompatible
// signs; empty for Sign::None.
std::string SignText(Sign sign);

// Whether the sign's page names `other` among its most (least) compatible
// signs; false when either is Sign::None.
bool ListsAsMostCompatible(Sign sign, Sign other);
bool ListsAsLeastCompatible(Sign sign, Sign other);

// "Birthstone -- Garnet" and so on; empty for Sign::None.
std::string Birthstone(Sign sign);

// How the signs of the four elements get on with each other.
std::string ZodiacAttractionText();
