#pragma once
// Outputs compared whole with a checked-in file in tests/unit/golden/. After a
// deliberate change, run the tests once with ORACLINE_UPDATE_GOLDEN=1 set to
// rewrite the files, then read the diff before committing it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

// The checked-in text of a golden file; empty when there is none.
inline std::string ReadGolden(const std::string& name)
{
    std::ifstream in(std::string(ORACLINE_SOURCE_DIR) + "/tests/unit/golden/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void ExpectGolden(const std::string& name, const std::string& actual)
{
    const std::string path = std::string(ORACLINE_SOURCE_DIR) + "/tests/unit/golden/" + name;
    if (std::getenv("ORACLINE_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "no golden file " << path;
    EXPECT_EQ(actual, std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())) << name;
}
