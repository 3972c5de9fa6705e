#include "KorvelsArvut.h"

#include "KorvelsConst.h"

#include <cmath>
#include <initializer_list>

namespace {
constexpr double Pi = 3.14159265358979323846;

// No operation returns normally with a field that is infinite or not a number.
void RequireFinite(std::initializer_list<double> values, const char* what) {
    for (double v : values)
        if (!std::isfinite(v))
            throw EArvutusViga(std::string(what) +
                               " ei ole lõplik arv: sisendid on väljaspool arvutatavat piirkonda.");
}
} // namespace

TArvutused::TArvutused()
    : t(KorvelsConst::t), h(KorvelsConst::h), L(KorvelsConst::L), roo(KorvelsConst::roo),
      fii(KorvelsConst::fii), fb(KorvelsConst::fb), E(KorvelsConst::E), rooP(KorvelsConst::rooP),
      gammaM(KorvelsConst::gammaM), gammaG(KorvelsConst::gammaG), evl(KorvelsConst::evl),
      ey(KorvelsConst::ey), Larl(KorvelsConst::Larl), aka(KorvelsConst::aka),
      alt(KorvelsConst::alt), bkj(KorvelsConst::bkj), tkj(KorvelsConst::tkj),
      tnk(KorvelsConst::tnk), a1(KorvelsConst::a1), bt(KorvelsConst::bt), Et(KorvelsConst::Et),
      It(KorvelsConst::It), Lt(KorvelsConst::Lt), st(KorvelsConst::st), Pvld(KorvelsConst::Pvld),
      Pyd(KorvelsConst::Pyd), qtd(KorvelsConst::qtd), Pd(KorvelsConst::Pd), qnd(KorvelsConst::qnd),
      qd(KorvelsConst::qd), fbd(0), fk(0), fd(0), Em(0), A(0), lambdah(0), tef(0), hef(0), ea(0),
      ema(0), ek(0), emka(0), emk(0), e1(0), e2(0), u(0), Hii_i(0), Hiim(0), Acm(0), Ac1(0), Ac2(0),
      Mvlsd1(0), Mysd1(0), Mtsd1(0), Msd1(0), Msdm(0), Msd2(0), Nsd1(0), Nsdm(0), Nsd2(0), NRdm(0),
      NRd1(0), NRd2(0), Lef1(0), Lef2(0), Lef3(0), Lef(0), Aef(0), Ab(0), xkj(0), nu(0), bpa(0),
      sigmaadm(0), sigmac(0), qn(0), sigmatmax(0), ftu(0), Nt(0), x(0), alfa(0), c(0), a0(0), c1(0),
      ksi(0), Ad(0), Aloc(0), Q(0), sigmamaxt(0), sigmamint(0), sigmamaxk(0), sigmamax(0), fu(0),
      floc(0), sigma0(0) {}

void TArvutused::SeinaKarArvutus() {
    tef = t;
    hef = roo * h;
    ea = hef / 300;
    A = t * Larl;
    RequireFinite({tef, hef, ea, A}, "Seina arvutuslik kõrgus");
}

void TArvutused::MJSTArvutus() {
    if (!(fb > 0))
        throw EArvutusViga("Ploki normatiivne survetugevus f(b) ei ole positiivne: müüritise "
                           "tugevusnäitajaid ei saa arvutada.");
    fbd = fb / gammaM;
    fk = 0.8 * std::exp(0.85 * std::log(fb));
    fd = fk / gammaM;
    Em = 650 * fk;
    RequireFinite({fbd, fk, fd, Em}, "Müüritise tugevusnäitaja");
}

void TArvutused::labdaHArvutus() {
    SeinaKarArvutus();
    if (tef == 0) throw EArvutusViga("Seina paksus on null: seina saledust ei saa arvutada.");
    lambdah = hef / tef;
    RequireFinite({lambdah}, "Seina saledus");
}

void TArvutused::SisejArvutus() {
    Mvlsd1 = Pvld * evl * Larl;
    Mysd1 = Pyd * ey * Larl;
    Mtsd1 = 0;
    Msd1 = std::fabs(Mvlsd1 - Mysd1 - Mtsd1);
    Msdm = std::fabs(0.6 * (Mvlsd1 - Mysd1) - 6 * qtd * h * h / 50);
    Msd2 = 0;
    Nsd1 = (Pvld + Pyd) * Larl;
    Nsdm = (Pvld + Pyd + gammaG * rooP * t * 2 * h / 5) * Larl;
    Nsd2 = (Pvld + Pyd + gammaG * rooP * t * h) * Larl;
    RequireFinite({Mvlsd1, Mysd1, Msd1, Msdm, Nsd1, Nsdm, Nsd2}, "Sisejõud");
}

void TArvutused::KandevNRdmArvutus() {
    labdaHArvutus();
    MJSTArvutus();
    SisejArvutus();
    if (Nsdm == 0)
        throw EArvutusViga("Pikijõud seina keskmises lõikes on null: ekstsentrilisust ei saa "
                           "arvutada.");
    ema = Msdm / Nsdm + ea;
    ek = std::sqrt(t * ema) * (0.002 * fii * hef / tef);
    emka = ema + ek;
    if (0.05 * t > emka)
        emk = 0.05 * t;
    else
        emk = emka;
    const double denominator = 23 - 37 * emk / t;
    if (denominator == 0)
        throw EArvutusViga("Keskmise lõike ekstsentrilisus on täpselt 23/37 seina paksusest: "
                           "kandevõime vähendustegurit ei saa arvutada (jagamine nulliga).");
    u = (lambdah - 2) / denominator;
    Hiim = std::exp(std::log(2.718281828) * (-u * u / 2));
    Acm = (1 - 2 * ema / t) * A;
    NRdm = Hiim * Acm * fk / gammaM;
    RequireFinite({ema, ek, emka, emk, u, Hiim, Acm, NRdm}, "Kandevõime keskmises lõikes");
}

void TArvutused::KandevNRd1Arvutus() {
    labdaHArvutus();
    MJSTArvutus();
    SisejArvutus();
    Hii_i = 1.0;
    if (Nsd1 == 0)
        throw EArvutusViga("Mõlemad vertikaalkoormused on nullid: pikijõud seina ülemises lõikes "
                           "on null ja ekstsentrilisust ei saa arvutada.");
    e1 = Msd1 / Nsd1 + ea;
    Ac1 = (1 - 2 * e1 / t) * A;
    NRd1 = Hii_i * Ac1 * fk / gammaM;
    RequireFinite({e1, Ac1, NRd1}, "Kandevõime ülemises lõikes");
}

void TArvutused::KandevNRd2Arvutus() {
    labdaHArvutus();
    MJSTArvutus();
    SisejArvutus();
    Hii_i = 1.0;
    if (Nsd2 == 0)
        throw EArvutusViga("Pikijõud seina alumises lõikes on null: ekstsentrilisust ei saa "
                           "arvutada.");
    e2 = Msd2 / Nsd2 + ea;
    Ac2 = (1 - 2 * e2 / t) * A;
    NRd2 = Hii_i * Ac2 * fk / gammaM;
    RequireFinite({e2, Ac2, NRd2}, "Kandevõime alumises lõikes");
}

void TArvutused::KoonjArvutus() {
    MJSTArvutus();
    const double angle = Pi / 3;
    const double s = std::cos(angle) * h / 2 / std::sin(angle);
    Lef1 = std::cos(angle) * h / std::sin(angle) + bkj;
    Lef2 = s + (bkj + alt);
    Lef3 = L;
    if (s + (bkj + alt) >= L)
        Lef = Lef3;
    else if (s >= alt)
        Lef = Lef2;
    else
        Lef = Lef1;
    Aef = Lef * t;
    if (0.45 * Aef >= tkj * bkj)
        Ab = tkj * bkj;
    else
        Ab = 0.45 * Aef;
    if (Ab == 0 || Aef == 0)
        throw EArvutusViga("Koormuse toetuspind on null: survepinget jõu all ei saa arvutada.");
    const double r = (2 * alt) / h;
    if (r > 1)
        xkj = 1;
    else
        xkj = r;
    sigmaadm = (0.15 * xkj + 1) * (1.5 - 1.1 * Ab / Aef) * fd;
    sigmac = Pd / Ab / 1000;
    RequireFinite({Lef1, Lef2, Lef, Aef, Ab, xkj, sigmaadm, sigmac}, "Survepinge jõu all");
}

void TArvutused::KoonjNurkArvutus() {
    MJSTArvutus();
    if (tnk == 0 || L == 0)
        throw EArvutusViga("Nurga koormuse toetuspinna laius või seina pikkus on null: nurga "
                           "tõmbepinget ei saa arvutada.");
    qn = qnd / tnk;
    nu = aka / L;
    bpa = (1.75 * nu * nu - 2.75 * nu + 1.25) * aka;
    sigmatmax = 0.4 * qn / (9.6 * nu * nu - 1.7 * nu + 1) / 1000;
    ftu = 0.12 * fbd;
    Nt = 0.5 * sigmatmax * t * bpa;
    RequireFinite({qn, nu, bpa, sigmatmax, ftu, Nt}, "Nurga tõmbepinge");
}

void TArvutused::ToesArvutus() {
    MJSTArvutus();
    Q = qd * Lt / 2;
    fu = 2 * fd;
    x = qd * Lt * Lt * Lt * 100 / 24 / Et / It;
    c = 50 * fu / bt / 1000;
    if (Q == 0 || x == 0)
        throw EArvutusViga("Talale mõjuv koormus on null: tala toereaktsioon ja otsa pööre on "
                           "nullid, survetsooni pikkust toe all ei saa arvutada.");
    // A load so small that it vanishes in the division leaves no contact zone.
    const double square = 2 * Q / c / bt / x;
    if (!(square > 0) || !std::isfinite(square))
        throw EArvutusViga("Tala koormus on nii väike, et survetsooni pikkus toe all ümardub "
                           "nulliks: pingeid toesõlmes ei saa arvutada.");
    a0 = std::sqrt(square);
    sigma0 = Q / a0 / bt;
    sigmamaxt = c * a1 * 1000 * x / 2 + sigma0;
    sigmamint = sigma0 - c * a1 * 1000 * x / 2;
    sigmamaxk = 2 * sigma0;
    if (a1 * 1000 > a0)
        sigmamax = sigmamaxk;
    else
        sigmamax = sigmamaxt;
    RequireFinite({Q, fu, x, c, a0, sigma0, sigmamaxt, sigmamint, sigmamaxk, sigmamax},
                  "Pinge toesõlmes");
}

void TArvutused::ToesEfektArvutus() {
    ToesArvutus();
    if (!(a0 * bt / 1000 > 0))
        throw EArvutusViga("Tala survetsoon toe all on nii väike, et kohalik survepind ümardub "
                           "nulliks: kohalikku survetugevust ei saa arvutada.");
    Aloc = a0 * bt / 1000;
    if (!(Ad > 0))
        throw EArvutusViga("Koormuse jaotuspind seinas on null (tala toetuspikkus või talade samm "
                           "on null): kohalikku survetugevust ei saa arvutada.");
    ksi = std::exp(std::log(Ad / Aloc) * (1.0 / 3));
    floc = ksi * fbd;
    RequireFinite({Aloc, ksi, floc}, "Kohalik survetugevus");
}
