#pragma once
#include "companion/CompanionDrawing.h"

// Prints the four lines of the companion result in black.
void PrintCompanionResult(const CompanionResult& result);
