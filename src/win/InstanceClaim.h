#pragma once
// A named mutex held for the life of the object: the process that holds it
// is the one instance of its kind for the account that runs it, in every
// session of that account; every later one of that account finds it taken
// until the holder's object goes (or the holder ends). Another account can
// neither take the claim nor keep one from being made.
#include "win/ScopedHandle.h"

#include <windows.h>

#include <string>

class InstanceClaim {
public:
    // The mutex is `name` followed by the account's security identifier, in
    // the namespace all sessions share, owned by the account and open to it
    // alone.
    explicit InstanceClaim(const char* name);
    InstanceClaim(const InstanceClaim&) = delete;
    InstanceClaim& operator=(const InstanceClaim&) = delete;

    // False only when another holder of this account was found. A mutex that
    // cannot be made, or one of that name another account made first,
    // cannot tell, and counts as held: better two instances than none.
    bool Held() const { return held_; }

    // The mutex's full name for this account; empty when the account's
    // identifier cannot be read.
    static std::string AccountName(const char* name);

private:
    KernelHandle mutex_;
    bool held_ = true;
};
