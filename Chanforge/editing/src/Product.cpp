#include "chanforge/editing/Product.h"

#include "policy/Policy.h"

namespace chanforge::editing {

Product CurrentProduct() { return Product{GetProductList(), GetProductType()}; }

} // namespace chanforge::editing
