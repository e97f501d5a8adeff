#include "chanforge/check/Validate.h"

#include "Context.h"

namespace chanforge::check {

Findings CheckDatabase(tabstore::CQoDB& db, const DocumentValues& values,
                       const codec::FlashLayout& layout) {
    detail::Context ctx{db, values, layout, detail::ModelOf(layout), {}, {}, {}, {}};
    detail::Resolve(ctx);
    Findings out;
    detail::CheckReferences(ctx, out);
    detail::CheckDuplicates(ctx, out);
    detail::CheckNumbering(ctx, out);
    detail::CheckNames(ctx, out);
    detail::CheckFavorites(ctx, out);
    detail::CheckCapacity(ctx, out);
    detail::CheckUnused(ctx, out);
    detail::CheckIdRange(ctx, out);
    return out;
}

} // namespace chanforge::check
