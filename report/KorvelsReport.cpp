#include "KorvelsReport.h"

#include "KorvelsChecks.h"
#include "KorvelsInputs.h"
#include "KorvelsNumbers.h"
#include "SingleLine.h"

namespace Korvel {

namespace {

const QString B14(14, QChar(' '));
const QString B16(16, QChar(' '));
const QString B18(18, QChar(' '));

QString Sign(const Comparison& c) {
    const int s = c.Sign();
    return s < 0 ? "<" : (s == 0 ? "=" : ">");
}

QString Verdict(const QString& subject, bool ok) {
    return B18 + subject + (ok ? " ON TAGATUD - OK!" : " POLE TAGATUD - NB!");
}

bool AllHold(const std::vector<Comparison>& cs) {
    for (const Comparison& c : cs)
        if (!c.Holds()) return false;
    return true;
}

// The captions of the project data dialog, as the header quotes them.
const char* const ProjectCaptions[ProjectFieldCount] = {
    "Pealkiri:",      "Objekti nimi:", "Projekti number:", "Tellija:",
    "Projekteerija:", "Kuupäev:",      "Märkus:"};

const char* const PositionTexts[3] = {"Tala toetub seinale seina keskel ja ulatub üle seina",
                                      "Tala toetub seinale seina otsas ja ulatub üle seina",
                                      "Tala toetub seinale talaotsa all ja talade samm on"};

} // namespace

TAruanne::TAruanne(TArvutused& r, const Calculation& shown, const QString& separator)
    : r_(r), shown_(shown), separator_(separator) {}

void TAruanne::Line(const QString& text) {
    // One line stays one line: a line break in a typed text would split it.
    lines_ << LineBreaksAsBlanks(text);
}

QString TAruanne::Fmt(const QString& pattern, std::initializer_list<double> values) const {
    return QString::fromStdString(
        FormatNumbers(pattern.toStdString(), values, separator_.toStdString()));
}

QString TAruanne::Input(const char* field) const {
    const auto fields = InputFields();
    const InputField* f = FindInputField(field);
    return f ? shown_.inputs[static_cast<std::size_t>(f - fields.data())] : QString();
}

void TAruanne::AndmeteSisestus1(bool anySection) {
    TArvutused& r = r_;
    const QString& title = shown_.project[0];
    Line("");
    Line(B16 + "ARVUTUSE \"" + (title.isEmpty() ? QString("Nimetu") : title) + "\" ANDMED");
    Line("");
    for (int i = 1; i < ProjectFieldCount; ++i)
        Line(B14 + QString::fromUtf8(ProjectCaptions[i]) + " " +
             shown_.project[static_cast<std::size_t>(i)]);
    Line("");
    Line("");

    const int block = FindBlock(shown_.block.toStdString());
    const Block& b = Catalogue()[static_cast<std::size_t>(block < 0 ? StartBlock : block)];
    Line(B16 + "MÜÜRITISE GEOMEETRIA");
    Line("");
    Line(B14 + "Seina paksus t  =  " + QString::fromUtf8(b.tItem) + " mm");
    Line(B14 + "Seina kõrgus h =  " + Input("hEdit") + " mm");
    Line(B14 + "Seina pikkus L =  " + Input("LEdit") + " mm");
    Line(B14 + "Arvutuskõrguse tegur roo  =  " + Input("rooEdit"));
    Line("");
    r.labdaHArvutus();
    const int slender = CompareSlenderness(r.lambdah);
    Line(Fmt(B14 + "Seina saledus Lambda(h)  =  %.2f ", {r.lambdah}) +
         (slender < 0 ? "<" : (slender == 0 ? "=" : ">")) + " 27");
    Line(B14 + (slender <= 0 ? "Seina saledus ON LUBATUD PIIRIDES - OK!"
                             : "Seina saledus POLE LUBATUD PIIRIDES - NB!"));
    Line("");
    Line("");

    Line(B16 + "KORVEL PLOKK");
    Line("");
    Line(B14 + "Toote nimetus  -  " + shown_.block);
    r.MJSTArvutus();
    Line(Fmt(B14 + "Tihedusklass roo(p)  =  %.f kg/m3", {r.rooP * 100}));
    Line(Fmt(B14 + "Normatiivne survetugevus f(b)  =  %.2f MPa", {r.fb}));
    Line(Fmt(B14 + "Arvutuslik survetugevus f(bd)  =  %.2f MPa", {r.fbd}));
    Line(Fmt(B14 + "Elastsusmoodul E  =  %.f MPa", {r.E}));
    Line("");
    Line("");

    Line(B16 + "MÜÜRITISE TUGEVUSNÄITAJAD");
    Line("");
    r.MJSTArvutus();
    Line(Fmt(B14 + "Normatiivne survetugevus f(k)  =  %.2f MPa", {r.fk}));
    Line(Fmt(B14 + "Arvutuslik survetugevus f(d)  =  %.2f MPa", {r.fd}));
    Line(Fmt(B14 + "Elastsusmoodul Em  =  %.f MPa", {r.Em}));
    Line("");
    Line("");

    if (anySection) {
        Line(B16 + "ARVUTUSED");
        Line("");
    }
}

void TAruanne::AndmeteSisestus2() {
    TArvutused& r = r_;
    r.labdaHArvutus();
    // An over-slender wall gets no capacity verdict at all.
    if (CompareSlenderness(r.lambdah) > 0) return;

    Line(B16 + "AVADETA VERTIKAALKOORMUSEGA ÜHEKIHILISE SEINA KANDEVÕIME");
    Line("");
    Line(B14 + "Arvutuslikud koormused:");
    Line(B14 + "1) koormus vahelaelt või laelt P(vld)  =  " + Input("PvldEdit") + " kN/m " +
         "ekstsentrilisusega e(vl)  =  " + Input("evlEdit") + " mm");
    Line(B14 + "2) koormus peale vahelage/lage P(üd)  =  " + Input("PydEdit") + " kN/m " +
         "ekstsentrilisusega e(ü)  =  " + Input("eyEdit") + " mm");
    Line(B14 + "3) horisontaalne tuulekoormus q(tuul.d)  =  " + Input("qtdEdit") + " kN/m");
    Line("");

    const std::vector<Comparison> c = VerticalCheck(r);
    const double NRd1 = c[0].limit, NRdm = c[1].limit, NRd2 = c[2].limit;

    Line(B14 + "Arvutustulemused:");
    Line(Fmt(B14 + "1) arvutuslik pikijõud seina ülemises osas (lõige 1-1) N(sd1)  =  %.2f kN ",
             {r.Nsd1}) +
         Sign(c[0]) + " " + Fmt("%.2f kN", {NRd1}) + ", kus");
    Line(Fmt(B18 + "seina kandevõime ülemises osas (lõige 1-1) N(Rd1)  =  %.2f kN.", {NRd1}));
    Line(Verdict("Seina kandevõime ülemises osas", c[0].Holds()));
    Line("");

    Line(Fmt(B14 + "2) arvutuslik pikijõud seina keskmises osas (lõige m-m) N(sdm)  =  %.2f kN",
             {r.Nsdm}) +
         " " + Sign(c[1]) + " " + Fmt("%.2f kN", {NRdm}) + ", kus");
    Line(Fmt(B18 + "seina kandevõime keskmises osas (lõige m-m) N(Rdm)  =  %.2f kN", {NRdm}) +
         " ja");
    Line(Fmt(B18 + "nõtketegur on %.3f.", {r.Hiim}));
    Line(Verdict("Seina kandevõime keskmises osas", c[1].Holds()));
    Line("");

    Line(Fmt(B14 + "3) arvutuslik pikijõud seina alumises osas (lõige 2-2) N(sd2)  =  %.2f kN ",
             {r.Nsd2}) +
         Sign(c[2]) + " " + Fmt("%.2f kN", {NRd2}) + ", kus");
    Line(Fmt(B18 + "seina kandevõime alumises osas (lõige 2-2) N(Rd2)  =  %.2f kN.", {NRd2}));
    Line(Verdict("Seina kandevõime alumises osas", c[2].Holds()));
    Line("");
    Line("");
}

void TAruanne::AndmeteSisestus3() {
    TArvutused& r = r_;
    Line(B16 + "KOORMAMINE KOONDATUD JÕUGA");
    Line("");
    Line(B14 + "1) Koormamine koondatud jõuga");
    Line(B14 + "Koormused ja geomeetria:");
    Line(B18 + "Arvutuslik koondatud jõud P(d)  =  " + Input("PdEdit") + " kN");
    Line("");
    Line(B18 + "Koormuse toetuspinna laius seina paksuse sihis t(kj)  =  " + Input("tkjEdit") +
         " mm");
    Line(B18 + "Koormuse toetuspinna ulatus seina pikkuse sihis b(kj)  =  " + Input("bkjEdit") +
         " mm");
    Line(B18 + "Kaugus seina servast jõu toetuspinna lähima ääreni a(lt)  =  " + Input("altEdit") +
         " mm");
    Line("");
    Line(B14 + "Arvutustulemused:");

    switch (CaseOf(r)) {
    case KoondjCase::End:
        Koondjtulemused1();
        break;
    case KoondjCase::Far:
        Koondjtulemused2();
        break;
    case KoondjCase::Ordinary:
        Koondjtulemused();
        break;
    }

    if (!shown_.checkBox2) {
        Line("");
        Line("");
        return;
    }
    Line("");
    Line(B14 + "2) Müüritise nurga koormamine");
    Line(B14 + "Koormused ja geomeetria:");
    Line(B18 + "Arvutuslik jaotatud koormus q(nd)  =  " + Input("qndEdit") + " kN/m");
    Line("");
    const std::vector<Comparison> c = CornerCheck(r);
    Line(B18 + "Koormuse toetuspinna laius seina paksuse sihis t(nk)  =  " + Input("tnkEdit") +
         " mm");
    Line(B18 + "Nurga koormatud ala ulatus seina pikkuse sihis a(ka)  =  " + Input("akaEdit") +
         " mm");
    Line("");
    Line(B14 + "Arvutustulemused:");
    const QString stress = Fmt("%.2f MPa", {c[0].value});
    const QString strength = Fmt("%.2f MPa", {c[0].limit});
    Line(B18 + "Max. tõmbepinge müüritises Sigma(t.max)  =  " + stress + " " + Sign(c[0]) + " " +
         strength + ", kus");
    Line(B18 + "müüritise tugevus horisontaalsuunas 0,8f(t.u)  =  " + strength + ".");
    if (c[0].Holds()) {
        Line(B18 + "Müüritise nurga tugevus armeeringuta ON TAGATUD - OK!");
    } else {
        Line(B18 + "Müüritise nurga tugevus armeeringuta POLE TAGATUD - NB!");
        Line(B18 + "Müüritise nurk tuleb armeerida tõmbejõule N(t)  =  " +
             Fmt("%.2f kN - OK!", {r.Nt * 1000}));
    }
    Line("");
    Line("");
}

void TAruanne::Koondjtulemused() {
    TArvutused& r = r_;
    r.MJSTArvutus();
    const std::vector<Comparison> c = ConcentratedCheck(r);
    const QString allowed = Fmt("%.2f MPa", {c[0].limit});
    Line(B18 + "Survepinge jõu all Sigma(c)  =  " + Fmt("%.2f MPa", {c[0].value}) + " " +
         Sign(c[0]) + " " + allowed + ", kus");
    Line(B18 + "lubatud pinge jõu all Sigma(adm)  =  " + allowed + ".");
    Line(Verdict("Seina tugevus", AllHold(c)));
}

void TAruanne::Koondjtulemused1() {
    TArvutused& r = r_;
    r.MJSTArvutus();
    const std::vector<Comparison> c = ConcentratedCheck(r);
    Line(B18 + "Kuna  2a(lt)/h = 0, siis peavad olema rahuldatud järgmised tingimused:");
    Line(B18 + "Survepinge jõu all Sigma(c)  =  " + Fmt("%.2f MPa", {c[0].value}) + " " +
         Sign(c[0]) + " " + Fmt("%.2f MPa", {c[0].limit}) + ", kus");
    Line(Fmt(B18 + "lubatud pinge jõu all f(d)  =  %.2f MPa", {c[0].limit}) + " ja");
    Line(B18 + "Survepinge jõu all Sigma(c)  =  " + Fmt("%.2f MPa", {c[1].value}) + " " +
         Sign(c[1]) + " " + Fmt("%.2f MPa", {c[1].limit}) + ", kus");
    Line(Fmt(B18 + "lubatud pinge jõu all 1,25xf(d)  =  %.2f MPa", {c[1].limit}) + ".");
    Line(Verdict("Seina tugevus", AllHold(c)));
}

void TAruanne::Koondjtulemused2() {
    TArvutused& r = r_;
    r.MJSTArvutus();
    const std::vector<Comparison> c = ConcentratedCheck(r);
    Line(B18 + "Kuna  2a(lt)/h > või = 1, siis peab olema rahuldatud tingimus:");
    Line(B18 + "Survepinge jõu all Sigma(c)  =  " + Fmt("%.2f MPa", {c[0].value}) + " " +
         Sign(c[0]) + " " + Fmt("%.2f MPa", {c[0].limit}) + ", kus");
    Line(Fmt(B18 + "lubatud pinge jõu all 1,50xf(d)  =  %.2f MPa", {c[0].limit}) + ".");
    Line(Verdict("Seina tugevus", AllHold(c)));
}

void TAruanne::AndmeteSisestus4() {
    TArvutused& r = r_;
    Line(B16 + "TOESÕLMED");
    Line("");
    Line(B14 + "Koormused ja geomeetria:");
    Line(B14 + "Seinale toetuvale talale mõjuv arvutuslik jaotatud koormus q(d)  =  " +
         Input("qdEdit") + " kN/m");
    Line("");
    Line(B14 + "Tala toetuspikkus a(1)  =  " + Input("a1Edit") + " mm");
    Line(B14 + "Tala pikkus L(t)  =  " + Input("LtEdit") + " mm");
    Line(B14 + "Tala otsa laius b(t)  =  " + Input("btEdit") + " mm");
    Line(B14 + "Tala elastsusmoodul E(t)  =  " + Input("EtEdit") + " GPa");
    Line(B14 + "Tala inertsimoment I(t)  =  " + Input("ItEdit") + " cm4");
    Line("");
    const std::vector<Comparison> general = SupportCheck(r);
    Line(B14 + "Arvutustulemused:");
    Line(B14 + "1) Toesõlme arvutus üldistel juhtudel");
    Line(B18 + "Max. pinge toesõlmes Sigma(max)  =  " + Fmt("%.2f MPa", {general[0].value}) + " " +
         Sign(general[0]) + " " + Fmt("%.2f MPa", {general[0].limit}) + ", kus");
    Line(Fmt(B18 + "seina arvutuslik survetugevus f(d)  =  %.2f MPa.", {general[0].limit}));
    Line(Verdict("Toesõlme tugevus", AllHold(general)));
    Line("");
    if (!shown_.checkBox1) return;

    const std::vector<Comparison> free = FreeSpaceCheck(r);
    Line(B14 + "2) Toesõlme arvutus juhul, kui tala kõrval on vaba ruumi");
    const int position = shown_.position;
    if (position == 1 || position == 2)
        Line(B18 + "(" + QString::fromUtf8(PositionTexts[position - 1]) + ")");
    if (position == 3)
        Line(B18 + "(" + QString::fromUtf8(PositionTexts[2]) + " " + Input("stEdit") + " mm)");
    Line(B18 + "Max. pinge toesõlmes Sigma(max)  =  " + Fmt("%.2f MPa", {free[0].value}) + " " +
         Sign(free[0]) + " " + Fmt("%.2f MPa", {free[0].limit}) + ", kus");
    Line(Fmt(B18 + "seina arvutuslik survetugevus f(d)  =  %.2f MPa.", {free[0].limit}));
    Line(Verdict("Toesõlme tugevus", AllHold(free)));
}

QStringList ComposeReport(TArvutused& r, const Calculation& shown, const QString& separator,
                          bool vertical, bool concentrated, bool support) {
    TAruanne report(r, shown, separator);
    report.AndmeteSisestus1(vertical || concentrated || support);
    if (vertical) report.AndmeteSisestus2();
    if (concentrated) report.AndmeteSisestus3();
    if (support) report.AndmeteSisestus4();
    return report.Lines();
}

} // namespace Korvel
