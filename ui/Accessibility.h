// What assistive technology reads: results as one phrase with their value,
// markers as a verdict in words, subscripts as part of their symbol.
#pragma once

#include <QLabel>
#include <QString>

class QLineEdit;
class QWidget;

namespace Korvel {

// A label of the windows, with a class of its own so that its reading can
// be given before Qt's reading of labels.
class ReadLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};

// Reads labels the way a sighted user does; once per process, before the
// windows are created.
void InstallAccessibility();

// sub is drawn in the gap after prefix of main: main is read with it joined
// ("Msd1 = 0,90 kNm") and sub is not read on its own.
void JoinSubscript(QLabel* main, QLabel* sub, const QString& prefix);

// value (as "0,87 MPa") is read after its symbol ("σmax ="), which is then
// not read on its own.
void JoinQuantity(QLabel* value, QLabel* symbol);

// A comparison marker: read as its relation and its verdict, which follows
// the marker's colour (a red "<" is a resistance that is not positive).
void MarkAsMarker(QLabel* marker);

// The words of a marker sign ("<", "=", ">") and its verdict; empty for
// anything else.
QString VerdictOf(const QString& sign, bool holds);

// The drawing is named by its figure captions.
void NameDrawing(QWidget* drawing, const QList<QLabel*>& captions);

// An edit's accessible description says while it is yellow that it is to be
// reviewed; follows every background change.
void FollowReview(QLineEdit* edit);

} // namespace Korvel
