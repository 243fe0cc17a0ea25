#pragma once
// The report and chart images the program writes: a drawing saved as JPEG.
#include <functional>
#include <string>

class Canvas;

// Draws onto a new width x height, 24-bit RGB bitmap and saves it as JPEG
// with quality 100, replacing an existing file. True only when GDI+ reports
// the file written. `encoderFound` (optional) tells whether a JPEG encoder
// exists at all, since callers stay silent when it does not.
bool SaveDrawingAsJpeg(const std::string& path, int width, int height,
                       const std::function<void(Canvas&)>& draw, bool* encoderFound = nullptr);
