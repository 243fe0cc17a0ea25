#pragma once
// A named mutex held for the life of the object: the process that holds it
// is the one instance of its kind on the machine; every later one finds it
// taken until the holder's object goes (or the holder ends).
#include <windows.h>

class InstanceClaim {
public:
    explicit InstanceClaim(const char* name);
    ~InstanceClaim();
    InstanceClaim(const InstanceClaim&) = delete;
    InstanceClaim& operator=(const InstanceClaim&) = delete;

    // False only when another holder was found. A mutex that cannot be made
    // at all cannot tell, and counts as held: better two instances than none.
    bool Held() const { return held_; }

private:
    HANDLE mutex_ = nullptr;
    bool held_ = true;
};
