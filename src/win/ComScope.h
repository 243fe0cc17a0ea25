#pragma once
// COM on the calling thread for the life of the object, released again by
// its destructor when it was taken. Calls nest: each one that succeeded is
// matched by its own release.
class ComScope {
public:
    enum class Kind {
        Com,  // plain COM, for the span of one operation
        Ole,  // OLE as well, which a hosted ActiveX control needs
    };
    explicit ComScope(Kind kind = Kind::Com);
    ~ComScope();
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

    bool Ok() const { return ok_; }

private:
    Kind kind_;
    bool ok_;
};
