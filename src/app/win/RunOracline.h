#pragma once
#include <string>

// The whole program: the start-up checks, the choice between the unattended
// delivery and the windows, and the shutdown; the process ends when it
// returns. What it takes on (OLE, GDI+, the one-instance claim) is released
// on the way out, however the start ended.
void RunOracline(const std::string& commandLine);
