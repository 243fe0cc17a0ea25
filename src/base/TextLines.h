#pragma once
#include <functional>
#include <string>

// The largest file of the shared data folder the program reads. Its own files
// hold a few kilobytes; anything larger is not one of them.
constexpr long long kMaxDataFileBytes = 1 << 20;

// The fgets buffer the data files' lines are read through.
constexpr std::size_t kLineBufferBytes = 500;

// The line discipline shared by every text file of the data directory.
//
// Files are read as the original fgets loop with a 500-byte buffer saw them:
// a piece ends after a line feed or after 499 characters, and each piece is a
// line of its own. CR LF counts as one line feed on every platform, so a file
// written on Windows reads the same here, including where the 499-character
// pieces break. What the callback gets is the piece up to its first NUL byte
// (the part a C string would hold) with the line feed removed, in UTF-8: a
// file that is not UTF-8 is one an earlier version wrote in the system's
// code page, and its pieces are read in that (each cut, between characters,
// to the piece length again).
//
// Returns false, without a line, when the file cannot be opened, and for
// anything that is not a regular file of at most kMaxDataFileBytes (a device
// or a pipe could keep the reader waiting forever, a huge file costs memory
// the program's own files never need): such a file counts as a missing one.
// The file is read whole from the one handle its checks were made on. A file
// read with a smaller buffer (the contacts file's is 330 bytes) gives
// `bufferSize` - 1 as the piece length.
bool ForEachLine(const std::string& path,
                 const std::function<void(const std::string& line)>& onLine,
                 std::size_t bufferSize = kLineBufferBytes);

// The same pieces, of bytes already read.
void ForEachLineIn(const std::string& bytes,
                   const std::function<void(const std::string& line)>& onLine,
                   std::size_t bufferSize = kLineBufferBytes);

// The whole of a regular file of at most kMaxDataFileBytes, bytes as they
// are, read through one handle; false (and `bytes` empty) for anything
// ForEachLine would refuse.
bool ReadSmallFile(const std::string& path, std::string& bytes);

// Bytes of a file as UTF-8: as they are when they are UTF-8, else read in
// the system's code page (the pages are written in Windows-1252).
std::string TextAsUtf8(const std::string& bytes);

// What a data file takes on the disk once written in text mode, every line
// feed a CR LF as on Windows.
std::size_t TextFileBytes(const std::string& text);

// True when `path` can be opened and read (an empty file counts, a directory
// does not).
bool CanOpenForReading(const std::string& path);

// atoi's reading of a number: leading white space, an optional sign, then
// decimal digits up to the first other character; no digits gives 0. Values
// beyond the int range are clamped to INT_MIN or INT_MAX instead of
// overflowing.
int LeadingInteger(const std::string& text, std::size_t from = 0);

// Byte-for-byte, case-sensitive test of the start of `line`.
bool StartsWithKey(const std::string& line, const char* key);
