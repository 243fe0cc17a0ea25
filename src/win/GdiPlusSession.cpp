#include "win/GdiPlusSession.h"

#include <windows.h>
// gdiplus.h needs the COM property types that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

GdiPlusSession::GdiPlusSession()
{
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    started_ = Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    token_ = token;
}

GdiPlusSession::~GdiPlusSession()
{
    if (started_)
        Gdiplus::GdiplusShutdown(static_cast<ULONG_PTR>(token_));
}
