#include "Widgets.h"

#include "KorvelsInput.h"
#include "KorvelsNumbers.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>

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
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLabel* AddSubscript(QLabel* main, const QString& prefix, const QString& sub, const char* name,
                     int dy) {
    auto* label = new QLabel(sub, main->parentWidget());
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
    return label;
}

QGroupBox* MakeGroupBox(QWidget* parent, const char* name, const QString& title,
                        const QRect& geom) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    box->setGeometry(geom);
    return box;
}

void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
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
    widget->setAccessibleName(hint);
}

void ShowWarning(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, "Warning", text, QMessageBox::Ok, parent);
    box.setObjectName("WarningBox");
    box.exec();
}

} // namespace Korvel
