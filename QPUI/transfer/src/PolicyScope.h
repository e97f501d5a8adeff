// A model's policy for one command without changing the stored settings: the settings store is
// copied, the preset written into the copy, and the copy used until the scope ends.
#pragma once

#include <string>

namespace policy {
struct ProductPreset;
}

namespace qpui {

class PolicyScope {
public:
    /// Null preset: the stored policy, unchanged.
    explicit PolicyScope(const policy::ProductPreset* preset);
    ~PolicyScope();
    PolicyScope(const PolicyScope&) = delete;
    PolicyScope& operator=(const PolicyScope&) = delete;

private:
    std::string previous_;
    std::string copy_;
};

} // namespace qpui
