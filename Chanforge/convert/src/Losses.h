// What a copy of a database loses in another model's layout, and how each loss is let go.
#pragma once

#include "chanforge/convert/ModelConvert.h"

#include <vector>

namespace chanforge::convert::detail {

/// How a loss is dropped from the copy when the operator lets it go.
enum class Drop { Rows, SecondTuner, CutNames, Membership, Nothing };

struct Pending {
    Loss loss;
    Drop drop = Drop::Rows;
};

/// Records of the copy (opened under `source`) that `target`'s layout cannot carry at all:
/// tables it does not write, a tuner side it lacks, second-tuner settings, a satellite 1 that
/// it would read as the terrestrial side.
std::vector<Pending> StructuralLosses(tabstore::CQoDB& copy, const codec::FlashLayout& source,
                                      const codec::FlashLayout& target);

/// What the check of the copy under `target` finds would not fit: names past the slot,
/// favourite groups and memberships past the model's, tables past their flash blocks.
std::vector<Pending> CheckedLosses(tabstore::CQoDB& copy, const DocumentValues& values,
                                   const codec::FlashLayout& target);

/// Names each record of the loss from the copy, before DropLoss takes it.
void DescribeLoss(tabstore::CQoDB& copy, Pending& pending, const codec::FlashLayout& target);

void DropLoss(tabstore::CQoDB& copy, const Pending& pending, const codec::FlashLayout& target);

/// A satellite's second tuner, where the source had none, set as its first.
void SecondTunerAsFirst(tabstore::CQoDB& copy, const codec::FlashLayout& source,
                        const codec::FlashLayout& target);

} // namespace chanforge::convert::detail
