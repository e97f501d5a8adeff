// A fresh, private settings store for each policy test.
#pragma once

#include "utils/Registry.h"
#include "utils/Report.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

class FreshStore : public testing::Test {
  protected:
    void SetUp() override {
        path_ = std::filesystem::temp_directory_path() /
                ("chanforge-policy-" + std::to_string(::getpid()) + "-" +
                 testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini");
        std::filesystem::remove(path_);
        utils::SetSettingsPath(path_.string());
    }
    void TearDown() override {
        utils::SetSettingsPath("");
        std::filesystem::remove(path_);
    }
    static bool Stored(const char* name) { return HasRegistryValue(kChanforgeKey, name) == 1; }

    std::filesystem::path path_;
};
