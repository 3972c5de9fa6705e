#include "Controls.h"

#include "Accessibility.h"
#include "Colours.h"
#include "Picture.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <algorithm>

namespace Korvel {

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

void SetHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
    // A label is read as what it shows; its hint is the explanation.
    if (qobject_cast<QLabel*>(widget))
        widget->setAccessibleDescription(hint);
    else
        widget->setAccessibleName(hint);
}

} // namespace Korvel
