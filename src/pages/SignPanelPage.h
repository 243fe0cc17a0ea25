#pragma once
// The sign panel beside the profile editor: the sign's picture moving up and
// down beside the words "Your Zodiac Sign" written downwards.
#include "pages/PageSink.h"

#include <string>

// Writes "sign_e.htm" and "sign_r.htm" into the page folder, the picture at
// `signImagePath`; returns the full path of "sign_e.htm", or an empty text
// when either could not be written.
std::string WriteSignPanelPage(PageSink& sink, const std::string& signImagePath);
