#include "win/InstanceClaim.h"

InstanceClaim::InstanceClaim(const char* name) : mutex_(CreateMutexA(nullptr, FALSE, name))
{
    if (mutex_ && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex_);
        mutex_ = nullptr;
        held_ = false;
    }
}

InstanceClaim::~InstanceClaim()
{
    if (mutex_)
        CloseHandle(mutex_);
}
