#pragma once
// The file dialogs every report image goes through: a ".jpg" file, offered
// in the reports directory.
#include <windows.h>

#include <string>

// `filter` is the dialog's filter pair list ("Daily Report (*.jpg)\0*.jpg\0").
// False when the dialog was cancelled. The dialogs move the current
// directory to where the user browsed; the program's relative file names
// expect the data directory, so it is set back to that whatever happened.

// Save As: a new name, or an existing file the user agrees to replace.
bool AskForJpegFile(HWND owner, const char* title, const char* filter, std::string& chosen);
// Open: one existing file.
bool AskForJpegToOpen(HWND owner, const char* title, const char* filter, std::string& chosen);
