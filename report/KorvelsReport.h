// The plain-text report, composed from the record and what the fields show,
// without any window: the header (project data, geometry, slenderness, block,
// masonry) and the sections of the three checks. The window's "Kuva" and the
// command line use this one composer.
#pragma once

#include "KorvelsArvut.h"
#include "KorvelsFile.h"

#include <QString>
#include <QStringList>

namespace Korvel {

class TAruanne {
public:
    // shown: the fields' texts as they stand on screen (with the locale's
    // separator), the block, the options and the project data; separator:
    // the locale's decimal separator for every number the report formats.
    TAruanne(TArvutused& r, const Calculation& shown, const QString& separator);

    // Each appends its lines; the sections run the operations they report
    // and throw EArvutusViga as the record does.
    void AndmeteSisestus1(bool anySection); // header; "ARVUTUSED" when a section follows
    void AndmeteSisestus2();                // vertical capacity (nothing above a slenderness of 27)
    void AndmeteSisestus3();                // concentrated load, with the corner when it is on
    void Koondjtulemused();                 // ordinary case
    void Koondjtulemused1();                // bearing area at the wall end
    void Koondjtulemused2();                // far from the end
    void AndmeteSisestus4();                // support node, with free space when it is on

    const QStringList& Lines() const { return lines_; }

private:
    void Line(const QString& text);
    QString Fmt(const QString& pattern, std::initializer_list<double> values) const;
    QString Input(const char* field) const;

    TArvutused& r_;
    const Calculation& shown_;
    QString separator_;
    QStringList lines_;
};

// The whole report with the chosen sections, in their fixed order.
QStringList ComposeReport(TArvutused& r, const Calculation& shown, const QString& separator,
                          bool vertical, bool concentrated, bool support);

} // namespace Korvel
