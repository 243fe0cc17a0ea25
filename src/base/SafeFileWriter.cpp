#include "base/SafeFileWriter.h"

#include "platform/FileOps.h"

#include <cstdio>

bool WriteTextFileSafely(const std::string& target, const std::string& text)
{
    // Truncating in place would have refused a read-only file; a rename does
    // not ask, so the refusal has to be explicit.
    if (IsReadOnlyFile(target))
        return false;

    const std::string temp = target + ".tmp";
    if (IsReadOnlyFile(temp))
        MakeWritable(temp);  // left over from an interrupted run

    std::FILE* file = std::fopen(temp.c_str(), "w");
    if (!file)
        return false;

    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    ok = std::fflush(file) == 0 && ok;
    ok = !std::ferror(file) && ok;
    ok = std::fclose(file) == 0 && ok;

    if (ok && MoveFileOver(temp, target))
        return true;

    RemoveFileForced(temp);
    return false;
}
