#include "chanforge/editing/TextOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace chanforge::editing {
namespace {

TEST(TextOrder, NumbersByValueTextWithoutCase) {
    const std::vector<std::vector<std::string>> sortedRuns = {
        {"1", "2", "10", "11", "100"},                    // channel numbers
        {"9,750", "10,600", "11,836"},                    // grouped frequencies
        {"5.0W", "19.2E", "28.2E"},                       // orbital positions
        {"arte", "BBC One", "bbc two", "ZDF"},            // names
        {"", "Channel 2", "Channel 10", "Channel 10 HD"}, // prefixes first
    };
    for (const auto& run : sortedRuns) {
        for (std::size_t i = 0; i + 1 < run.size(); ++i) {
            EXPECT_TRUE(NaturalLess(run[i], run[i + 1])) << run[i] << " < " << run[i + 1];
            EXPECT_FALSE(NaturalLess(run[i + 1], run[i])) << run[i + 1] << " !< " << run[i];
        }
    }
    EXPECT_FALSE(NaturalLess("ZDF", "zdf"));
    EXPECT_FALSE(NaturalLess("zdf", "ZDF"));
    EXPECT_TRUE(NaturalLess("99999999999999999999998",
                            "99999999999999999999999x")); // saturated ids still order
}

} // namespace
} // namespace chanforge::editing
