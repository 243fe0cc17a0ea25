#pragma once
// Programs and libraries of Windows are named by their full path: a bare name
// is looked up beside the exe, in the current folder and along the PATH,
// where others may be able to write.
#include <string>

// `name` in the system folder (System32), or an empty text when the folder
// cannot be read.
std::string SystemFilePath(const std::string& name);
