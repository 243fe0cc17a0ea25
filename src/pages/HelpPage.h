#pragma once
// The one page of the Help Wizard, "help.htm": the chosen topic's text, or
// the wizard's title page. Not a page pair: it has no transition.
#include "pages/PageSink.h"

#include <string>

// Writes "help.htm" into the page folder and returns its full path, or an
// empty text when it could not be written. An empty text gives the wizard's
// title page.
std::string WriteHelpPage(PageSink& sink, const std::string& text);
