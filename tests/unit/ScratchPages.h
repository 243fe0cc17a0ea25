#pragma once
// Pages written with the C library into a test's folder, to be read back.
#include "pages/PageSink.h"

#include <cstdio>
#include <string>
#include <utility>

class ScratchPages final : public PageSink {
public:
    explicit ScratchPages(std::string folder) : folder_(std::move(folder)) {}
    const std::string& Folder() const override { return folder_; }
    bool Write(const std::string& name, const std::string& bytes) override
    {
        std::FILE* file = std::fopen((folder_ + name).c_str(), "w");
        if (!file)
            return false;
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        return std::fclose(file) == 0 && written;
    }

private:
    std::string folder_;
};
