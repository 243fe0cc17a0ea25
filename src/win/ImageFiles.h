#pragma once
// Image files the program writes and reads through GDI+.
#include <windows.h>

#include <string>

namespace Gdiplus { class Image; }

// 1 and the class id when an installed encoder has exactly this MIME type,
// else 0.
int FindEncoder(const wchar_t* mime, CLSID* classId);

// Saves an image with the given encoder and the one parameter every file of
// the program is written with, quality 100. True only when GDI+ reports the
// file written.
bool SaveWithQuality100(Gdiplus::Image& image, const std::wstring& path, const CLSID& encoder);
