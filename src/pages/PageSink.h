#pragma once
// Where the program's pages are written. Every page writer takes one, so the
// program writes into the account's own pages folder, holding each page while
// it is shown, and the tests into a scratch folder.
#include <string>

class PageSink {
public:
    virtual ~PageSink() = default;
    // The folder the pages go to, ending in its separator: a redirect page
    // names its content page by full path.
    virtual const std::string& Folder() const = 0;
    // Writes `bytes` in text mode as the page `name` of the folder; false
    // when it could not be written whole.
    virtual bool Write(const std::string& name, const std::string& bytes) = 0;
};

// Writes the page and returns its full path, or an empty text when it could
// not be written: a window does not show a page it could not write.
inline std::string WritePage(PageSink& sink, const std::string& name, const std::string& bytes)
{
    return sink.Write(name, bytes) ? sink.Folder() + name : std::string();
}
