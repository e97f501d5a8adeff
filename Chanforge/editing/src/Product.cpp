#include "chanforge/editing/Product.h"

namespace chanforge::editing {

Product CurrentProduct() {
    return policy::ProductKind::Current();
}

} // namespace chanforge::editing
