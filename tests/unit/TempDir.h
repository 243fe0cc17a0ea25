#pragma once
// A scratch directory per test, removed with everything in it afterwards.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

class TempDir {
public:
    TempDir()
    {
        char pattern[] = "/tmp/oracline-test-XXXXXX";
        if (!mkdtemp(pattern))
            throw std::runtime_error("mkdtemp failed");
        root_ = pattern;
    }
    ~TempDir() { std::error_code ignored; std::filesystem::remove_all(root_, ignored); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // With its trailing separator, as a data directory is passed.
    std::string dir() const { return root_ + "/"; }
    std::string path(const std::string& name) const { return dir() + name; }

    std::string Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path(name), std::ios::binary) << bytes;
        return path(name);
    }

    std::string Read(const std::string& name) const
    {
        std::ifstream in(path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::ptrdiff_t EntryCount() const
    {
        return std::distance(std::filesystem::directory_iterator(root_), std::filesystem::directory_iterator());
    }

private:
    std::string root_;
};
