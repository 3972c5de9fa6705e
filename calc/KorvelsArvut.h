// The calculation record: every input, intermediate value and result of the
// three design checks, and the operations that compute them.
#pragma once

#include <stdexcept>
#include <string>

// Thrown by an operation that meets a value it cannot compute (a division of
// zero by zero, the logarithm of zero). No field after the failing step is
// written; the message says in Estonian what cannot be computed and why.
class EArvutusViga : public std::runtime_error {
public:
    explicit EArvutusViga(const std::string& message) : std::runtime_error(message) {}
};

class TArvutused {
public:
    TArvutused(); // Create: inputs get their start values, everything else 0

    // Inputs
    double t, h, L, roo, fii, fb, E, rooP, gammaM, gammaG, evl, ey, Larl, aka, alt, bkj, tkj, tnk,
        a1, bt, Et, It, Lt, st, Pvld, Pyd, qtd, Pd, qnd, qd;
    // Masonry and wall
    double fbd, fk, fd, Em, A, lambdah, tef, hef, ea;
    // Vertical capacity
    double ema, ek, emka, emk, e1, e2, u, Hii_i, Hiim, Acm, Ac1, Ac2, Mvlsd1, Mysd1, Mtsd1, Msd1,
        Msdm, Msd2, Nsd1, Nsdm, Nsd2, NRdm, NRd1, NRd2;
    // Concentrated load and corner
    double Lef1, Lef2, Lef3, Lef, Aef, Ab, xkj, nu, bpa, sigmaadm, sigmac, qn, sigmatmax, ftu, Nt;
    // Beam bearing
    double x, alfa, c, a0, c1, ksi, Ad, Aloc, Q, sigmamaxt, sigmamint, sigmamaxk, sigmamax, fu,
        floc, sigma0;

    void SeinaKarArvutus();
    void MJSTArvutus();
    void labdaHArvutus();
    void SisejArvutus();
    void KandevNRdmArvutus();
    void KandevNRd1Arvutus();
    void KandevNRd2Arvutus();
    void KoonjArvutus();
    void KoonjNurkArvutus();
    void ToesArvutus();
    void ToesEfektArvutus();
};
