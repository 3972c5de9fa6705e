#include "Colours.h"

#include "KorvelsChecks.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace Korvel {

namespace {

double RelativeLuminance(const QColor& colour) {
    const auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& background) {
    return ContrastRatio(Qt::black, background) >= ContrastRatio(Qt::white, background)
               ? QColor(Qt::black)
               : QColor(Qt::white);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    const QColor background = pal.color(widget->backgroundRole());
    // The designed colour where it reads on the theme's background; else
    // blended towards black or white until it does.
    const QColor towards = ReadableOn(background);
    QColor text = colour;
    for (int step = 1; step <= 10 && ContrastRatio(text, background) < 4.5; ++step) {
        const double t = step / 10.0;
        text = QColor::fromRgbF(colour.redF() + (towards.redF() - colour.redF()) * t,
                                colour.greenF() + (towards.greenF() - colour.greenF()) * t,
                                colour.blueF() + (towards.blueF() - colour.blueF()) * t);
    }
    pal.setColor(QPalette::WindowText, text);
    widget->setPalette(pal);
}

void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    // The theme's text colour need not read on a fixed background (light
    // text on green in a dark theme).
    const QColor text = ReadableOn(colour);
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::Text, text);
    if (qobject_cast<QLineEdit*>(widget)) {
        pal.setColor(QPalette::Base, colour);
    } else {
        pal.setColor(QPalette::Window, colour);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(pal);
}

void ResetBackground(QWidget* widget) {
    widget->setPalette(QPalette());
    if (!qobject_cast<QLineEdit*>(widget)) widget->setAutoFillBackground(false);
}

QColor BackgroundOf(const QWidget* widget) {
    return widget->palette().color(qobject_cast<const QLineEdit*>(widget) ? QPalette::Base
                                                                          : QPalette::Window);
}

void SetMarkerSign(QLabel* marker, int comparison) {
    if (comparison < 0) {
        marker->setText("<");
        SetBackground(marker, MarkerGreen);
    } else if (comparison == 0) {
        marker->setText("=");
        SetBackground(marker, MarkerGreen);
    } else {
        marker->setText(">");
        SetBackground(marker, MarkerRed);
    }
}

void SetMarker(QLabel* marker, const Comparison& c) {
    SetMarkerSign(marker, c.Sign());
    if (!c.Holds()) SetBackground(marker, MarkerRed);
}

} // namespace Korvel
