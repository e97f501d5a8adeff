// The product the editing operations work for, passed in explicitly so that the operations stay
// pure functions of (store, arguments) and can be tested without settings.
#pragma once

#include "policy/ProductKind.h"

namespace chanforge::editing {

using Product = policy::ProductKind;

/// Reads the product list and type from the stored policy.
Product CurrentProduct();

} // namespace chanforge::editing
