#pragma once
// The Quick Resize dialog's size page, "message.htm": the size the report
// will have, on a white page without transition.
#include "pages/PageSink.h"

#include <string>

inline constexpr const char* kSizePageName = "message.htm";

// Writes it into the page folder; returns its full path, or an empty text
// when it could not be written.
std::string WriteSizePage(PageSink& sink, int width, int height);
