// The filter-paper mobilisation polynomial: the fraction of the side-drain
// load mobilised at a strain, FPK0 + FPK1 e + ... + FPK4 e^4, summed from the
// constant term upward, powers by repeated multiplication.
#pragma once

#include "records/real.h"
#include "specimen/specimen.h"

namespace dorvane {

inline Real filter_paper_mobilisation(const Specimen& s, Real e) {
    const double x = e;
    return s.FPK0 + s.FPK1 * x + s.FPK2 * (x * x) + s.FPK3 * (x * x * x) +
           s.FPK4 * (x * x * x * x);
}

}  // namespace dorvane
