#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// Report golden files in tests/data: compared whole, length included. With
// KVT_REGENERATE_GOLDEN=1 the test writes the file instead (see tests/data/README.md).
inline void ExpectReportGolden(const std::string &name, const std::string &content) {
    const std::filesystem::path path = std::filesystem::path(KVT_TEST_DATA_DIR) / name;
    if (std::getenv("KVT_REGENERATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << content;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing golden file " << name;
    const std::string expected{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(expected.size(), content.size()) << name;
    EXPECT_EQ(expected, content) << name << " differs";
}
