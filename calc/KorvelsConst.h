// Start values of the 30 inputs of the calculation record. Only the
// constructor of TArvutused reads them.
#pragma once

namespace KorvelsConst {

inline constexpr double t = 0.15;     // wall thickness, m (block "Ilvo 150")
inline constexpr double h = 3.0;      // wall height, m
inline constexpr double L = 5.0;      // wall length, m
inline constexpr double roo = 1.0;    // effective-height factor
inline constexpr double fii = 1.0;    // final creep coefficient
inline constexpr double fb = 3.5;     // normalised block strength, MPa
inline constexpr double E = 1400.0;   // block modulus, MPa
inline constexpr double rooP = 4.5;   // block unit weight, kN/m3
inline constexpr double gammaM = 2.0; // partial factor of masonry
inline constexpr double gammaG = 1.2; // partial factor of self-weight
inline constexpr double evl = 0.02;   // slab load eccentricity, m
inline constexpr double ey = 0.01;    // eccentricity of the load from above, m
inline constexpr double Larl = 1.0;   // design strip length, m
inline constexpr double aka = 0.7;    // loaded corner length, m
inline constexpr double alt = 0.6;    // wall end to bearing area, m
inline constexpr double bkj = 0.1;    // bearing area along the wall, m
inline constexpr double tkj = 0.2;    // bearing area across the wall, m
inline constexpr double tnk = 0.15;   // corner bearing across the wall, m
inline constexpr double a1 = 0.2;     // beam bearing length, m
inline constexpr double bt = 0.2;     // beam end width, m
inline constexpr double Et = 1.4;     // beam modulus, GPa
inline constexpr double It = 45000.0; // beam inertia, cm4
inline constexpr double Lt = 2.5;     // beam span, m
inline constexpr double st = 0.5;     // beam spacing, m
inline constexpr double Pvld = 50.0;  // slab line load, kN/m
inline constexpr double Pyd = 10.0;   // line load from above, kN/m
inline constexpr double qtd = 0.6;    // wind load, kN/m
inline constexpr double Pd = 30.0;    // concentrated force, kN
inline constexpr double qnd = 70.0;   // corner line load, kN/m
inline constexpr double qd = 10.0;    // beam line load, kN/m

} // namespace KorvelsConst
