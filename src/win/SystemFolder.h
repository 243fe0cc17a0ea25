#pragma once
// Programs and libraries of Windows are named by their full path: a bare name
// is looked up beside the exe first, in the folder every account can write to.
#include <string>

// `name` in the system folder (System32), or an empty text when the folder
// cannot be read.
std::string SystemFilePath(const std::string& name);
