// The main of every GoogleTest binary. CTest runs each test case in a process of its own and
// several at once; giving each process its own settings store keeps one test's settings out of
// the next one's, whatever order they run in.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string ProcessSettingsPath() {
    const char* base = std::getenv("CHANFORGE_SETTINGS");
    const std::string stem =
        base != nullptr && *base != '\0'
            ? std::string(base)
            : (std::filesystem::temp_directory_path() / "chanforge-test").string();
    return stem + "." + std::to_string(::getpid()) + ".ini";
}

} // namespace

int main(int argc, char** argv) {
    const std::string settings = ProcessSettingsPath();
    ::setenv("CHANFORGE_SETTINGS", settings.c_str(), 1);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove(settings, ignored);
    std::filesystem::remove(settings + ".lock", ignored);
    return result;
}
