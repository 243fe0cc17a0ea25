#pragma once
// Image files the composer and Quick Resize read and write through GDI+.
#include <string>

// Width and height in pixels; false when the file cannot be loaded as an image.
bool ReadImageSize(const std::string& path, int& width, int& height);

// Writes `outputPath` as the source at 100 - `index` percent, in the format
// the source's name asks for. True only when GDI+ reports the file written.
bool ScaleImage(const std::string& sourcePath, const std::string& outputPath, int index);
