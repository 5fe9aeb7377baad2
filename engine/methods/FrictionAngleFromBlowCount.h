#pragma once

namespace korva::methods {

// Friction angle of sand (degrees) from the SPT blow count N and the effective vertical stress
// (psf), read from three curves of phi against N at sigma_a = sigma'v / 144 = 0, 20 and 40 psi.
// At sigma_a >= 40 psi and N > 90, beyond the curves, the angle is 45 degrees, where every
// other range ends. A negative N counts as 0.
float frictionAngleFromBlowCount_deg(float blowCount, float sigma_v_psf);

} // namespace korva::methods
