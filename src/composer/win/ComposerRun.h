#pragma once
// The composer run: the e-mail composer on a saved report and, when the user
// presses Email, the send through the user's mail program or mail server.
// Every message of the path is shown here.
#include <windows.h>

#include <string>

void RunEmailComposer(HWND owner, const std::string& reportPath);
