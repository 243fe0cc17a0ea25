#pragma once
// GDI+ for the life of the object: started with version 1, no debug
// callback, its background thread and external codecs on; shut down by the
// destructor when it started.
class GdiPlusSession {
public:
    GdiPlusSession();
    ~GdiPlusSession();
    GdiPlusSession(const GdiPlusSession&) = delete;
    GdiPlusSession& operator=(const GdiPlusSession&) = delete;

private:
    unsigned long long token_ = 0;
    bool started_ = false;
};
