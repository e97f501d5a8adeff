// The product the editing operations work for, passed in explicitly so that the operations stay
// pure functions of (store, arguments) and can be tested without settings. The main window
// passes the one it started with to everything it opens.
#pragma once

#include "policy/ProductKind.h"

namespace chanforge::editing {

using Product = policy::ProductKind;

} // namespace chanforge::editing
