// Reduction of a reading taken after a shear plane has formed: the load is
// carried by the overlap of the two sliding end sections, and membrane and
// side drains resist the sliding along the plane.
#pragma once

#include "readings/readings.h"
#include "records/run_state.h"
#include "specimen/specimen.h"

namespace dorvane {

// Area, corrections and stresses of reading i on the shear plane, with the
// axial load p. The whole-specimen corrections are frozen at the reference
// reading r.JREF (the last reading reduced without a plane), and the slide
// is measured from it. Advances KPLANE.
void reduce_on_shear_plane(const Run& run, const Specimen& sp, Readings& r, int i, Real p);

}  // namespace dorvane
