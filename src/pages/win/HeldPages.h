#pragma once
// Page files held while they are shown. The data folder is shared by every
// account of the machine: a page another user could replace between its
// writing and its showing would run that user's script in this process. So
// each page is written, then opened again so that others may read it but not
// write, rename or delete it, and checked to be what was written; it stays
// so until the view that shows it lets it go.
#include <string>

// The page file writer the program installs: false when the page could not
// be written, or was changed by someone else before it was held.
bool WriteHeldPage(const std::string& path, const std::string& bytes);

// Which writing of `path` is held now; 0 when it is not held.
unsigned HeldPageWriting(const std::string& path);

// Lets `path` go, unless it has been written again since `writing`.
void ReleaseHeldPage(const std::string& path, unsigned writing);

// Once, when an interactive run begins: removes the pages a run that ended
// abruptly left in the data directory, and has every page from then on
// written and held here.
void StartHeldPages(const std::string& dataDirectory);
