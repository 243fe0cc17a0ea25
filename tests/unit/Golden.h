#pragma once
// Outputs compared whole with a checked-in file in tests/unit/golden/. After a
// deliberate change, run the tests once with ORACLINE_UPDATE_GOLDEN=1 set to
// rewrite the files, then read the diff before committing it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

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
