#pragma once
// The two ayanamsa corrections: minus the ayanamsa in degrees (a negative number).
namespace kalodaya {

// On the 1900 epoch: T in Julian centuries from 1900 January 0.5. Used by the
// ascendant and, through AyanamsaCorrection, by the Sun, planets and nodes.
double AyanamsaCorrection1900(double t);

// On the J2000 epoch: T in Julian centuries from J2000.0. Used by the Moon only.
double AyanamsaCorrection2000(double t);

}  // namespace kalodaya
