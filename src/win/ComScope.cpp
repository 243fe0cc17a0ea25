#include "win/ComScope.h"

#include <objbase.h>
#include <ole2.h>

ComScope::ComScope(Kind kind)
    : kind_(kind), ok_(SUCCEEDED(kind == Kind::Ole ? OleInitialize(nullptr) : CoInitialize(nullptr)))
{
}

ComScope::~ComScope()
{
    if (!ok_)
        return;
    if (kind_ == Kind::Ole)
        OleUninitialize();
    else
        CoUninitialize();
}
