#pragma once
// The one page of the Help Wizard, "help.htm": the chosen topic's text, or
// the wizard's title page. Not a page pair: it has no transition.
#include <string>

// Writes "help.htm" into the data directory and returns its full path, or an
// empty text when it could not be written. An empty text gives the wizard's
// title page.
std::string WriteHelpPage(const std::string& dataDirectory, const std::string& text);
