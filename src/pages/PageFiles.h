#pragma once
// How page files reach the disk, and what becomes of them. Every page the
// program shows is written here first. By default a page is written with
// the C library; the program installs a writer that also holds each page
// open against other writers until it has been shown.
#include <functional>
#include <string>

// Writes `bytes` as the file `path` in text mode; false when it could not
// be written whole.
using PageFileWriter = std::function<bool(const std::string& path, const std::string& bytes)>;

void SetPageFileWriter(PageFileWriter writer);

bool WritePageFile(const std::string& path, const std::string& bytes);

// Removes the ".htm" files (whatever the letter case) directly in the data
// directory, which ends in its separator, read-only ones too: at the main
// window's close, and at the next start what a run that ended abruptly left
// behind. Only the program writes pages there; a page it cannot remove
// stays, and a link is never followed.
void RemoveLeftPages(const std::string& dataDirectory);
