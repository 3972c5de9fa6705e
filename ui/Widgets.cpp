#include "Widgets.h"

#include "Accessibility.h"
#include "KorvelsInput.h"
#include "KorvelsNumbers.h"
#include "Placement.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <algorithm>
#include <cmath>

namespace Korvel {

QString DecimalSeparator() {
    return DecimalSeparatorChar();
}

QString Fmt(const char* pattern, std::initializer_list<double> values) {
    return QString::fromStdString(FormatNumbers(pattern, values, DecimalSeparator().toStdString()));
}

QString Fmt(const QString& pattern, std::initializer_list<double> values) {
    return QString::fromStdString(
        FormatNumbers(pattern.toStdString(), values, DecimalSeparator().toStdString()));
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* label = new ReadLabel(text, parent);
    label->setObjectName(name);
    label->move(x, y);
    label->adjustSize();
    return label;
}

void SetLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

QLabel* MakeMarker(QWidget* parent, const char* name, const QString& text, const QRect& geom,
                   int pixelSize) {
    auto* marker = new ReadLabel(text, parent);
    marker->setObjectName(name);
    QFont f = marker->font();
    f.setPixelSize(pixelSize);
    marker->setFont(f);
    marker->setAlignment(Qt::AlignCenter);
    marker->setGeometry(geom);
    MarkAsMarker(marker);
    return marker;
}

QLabel* MakeCaption(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* caption = MakeLabel(parent, name, text, x, y);
    SetBackground(caption, caption->palette().color(QPalette::Highlight));
    return caption;
}

QLabel* MakePictureBox(QWidget* parent, const char* name, const QRect& geom,
                       const QString& resourceBase) {
    auto* box = new QLabel(parent);
    box->setObjectName(name);
    box->setGeometry(geom);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetPicture(box, resourceBase);
    return box;
}

QPushButton* MakeCalcButton(QWidget* parent, const char* name, const QRect& geom) {
    auto* button = new QPushButton("ARVUTA", parent);
    button->setObjectName(name);
    QFont big = button->font();
    big.setPixelSize(15);
    button->setFont(big);
    button->setGeometry(geom);
    return button;
}

QLabel* AddSubscript(QLabel* main, const QString& prefix, const QString& sub, const char* name,
                     int dy) {
    auto* label = new ReadLabel(sub, main->parentWidget());
    label->setObjectName(name);
    QFont small = main->font();
    small.setPixelSize(std::max(7, QFontInfo(main->font()).pixelSize() * 3 / 4));
    label->setFont(small);
    const int gap = QFontMetrics(main->font()).horizontalAdvance(prefix);
    label->move(main->x() + gap + 1, main->y() + dy);
    label->adjustSize();
    label->setToolTip(main->toolTip());
    label->setStatusTip(main->statusTip());
    // Keep the subscript in step with its symbol when the symbol is shown or hidden.
    label->setVisible(main->isVisibleTo(main->parentWidget()));
    JoinSubscript(main, label, prefix);
    return label;
}

QGroupBox* MakeGroupBox(QWidget* parent, const char* name, const QString& title,
                        const QRect& geom) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    box->setGeometry(geom);
    return box;
}

int GroupFrameTop(const QGroupBox* box) {
    QStyleOptionGroupBox opt;
    opt.initFrom(box);
    opt.text = box->title();
    opt.lineWidth = 1;
    opt.textAlignment = box->alignment();
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QStyle* style = box->style();
    // Some styles report the whole box as the frame and draw it under the title.
    return std::max(
        style->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxFrame, box).top(),
        style->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, box).bottom());
}

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

void SetMarker(QLabel* marker, double acting, double limit) {
    SetMarkerSign(marker, acting < limit ? -1 : (acting == limit ? 0 : 1));
}

void SetHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
    // A label is read as what it shows; its hint is the explanation.
    if (qobject_cast<QLabel*>(widget))
        widget->setAccessibleDescription(hint);
    else
        widget->setAccessibleName(hint);
}

void CentreOver(QWidget* window, const QWidget* over) {
    if (!over) return;
    CentreOn(window, over->frameGeometry());
}

bool PressFocusedButton(QWidget* dialog, QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
    auto* button = qobject_cast<QPushButton*>(dialog->focusWidget());
    if (!button) return false;
    event->accept();
    button->click();
    return true;
}

void ShowWarning(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, "Warning", text, QMessageBox::Ok, parent);
    // A message may name a file the user typed: never taken as markup.
    box.setTextFormat(Qt::PlainText);
    box.setObjectName("WarningBox");
    box.exec();
}

} // namespace Korvel
