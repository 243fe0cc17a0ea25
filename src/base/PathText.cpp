#include "base/PathText.h"

namespace {

std::size_t LastSeparator(const std::string& path, PathSeparators separators)
{
    switch (separators) {
    case PathSeparators::backslash: return path.rfind('\\');
    case PathSeparators::slash: return path.rfind('/');
    case PathSeparators::either: break;
    }
    return path.find_last_of("\\/");
}

}  // namespace

std::string FileNameOf(const std::string& path, PathSeparators separators)
{
    const std::size_t separator = LastSeparator(path, separators);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string FolderOf(const std::string& path, PathSeparators separators)
{
    const std::size_t separator = LastSeparator(path, separators);
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::string ExtensionOf(const std::string& path, PathSeparators separators)
{
    const std::string name = FileNameOf(path, separators);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}
