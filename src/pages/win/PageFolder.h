#pragma once
// The account's own folder for the program's pages and other transient files
// ("Oracline\Pages\" in its local application-data folder, which only the
// account, the system and administrators may write), and the one writer of
// every page in it.
//
// A page is written into a fresh file: the old name is removed first, then
// the file is created anew, never opened through a link or a name that is
// still there. A reparse point or a file with a second link is refused. The
// page is then held open, so that others may read it but not write, rename
// or delete it, until the window that shows it lets it go: a page can never
// be swapped between its writing and its showing.
#include "pages/PageSink.h"
#include "win/ScopedHandle.h"

#include <map>
#include <string>

class PageFolder final : public PageSink {
public:
    // `folder` ends in its separator; an empty one takes no pages.
    explicit PageFolder(std::string folder);
    ~PageFolder() override;
    PageFolder(const PageFolder&) = delete;
    PageFolder& operator=(const PageFolder&) = delete;

    const std::string& Folder() const override { return folder_; }
    bool Write(const std::string& name, const std::string& bytes) override;

    // Which writing of the page at `path` is held now; 0 when none is.
    unsigned HeldWriting(const std::string& path) const;
    // Lets the page go, unless it has been written again since `writing`.
    void Release(const std::string& path, unsigned writing);

    // Lets every page go and removes the files of the folder: at start,
    // what a run that ended abruptly left behind; when the main window
    // closes, this run's pages.
    void RemovePages();

private:
    struct Hold {
        FileHandle file;
        unsigned writing = 0;
    };
    // The name of a page of this folder, in lower case, by its full path;
    // empty for any other path.
    std::string KeyOf(const std::string& path) const;

    std::string folder_;
    std::map<std::string, Hold> holds_;  // by lower-case name
    unsigned writings_ = 0;
};

// The folder of this run, made (with its parent) on first use; its path is
// empty when the account has no local application-data folder, or when
// either folder is a link.
PageFolder& ProgramPageFolder();
