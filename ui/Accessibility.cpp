#include "Accessibility.h"

#include "Colours.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <algorithm>

namespace Korvel {

namespace {

constexpr const char* SubscriptOf = "korvelSubscriptOf";
constexpr const char* SubscriptPrefix = "korvelSubscriptPrefix";
constexpr const char* QuantityOf = "korvelQuantityOf";
constexpr const char* SymbolOfValue = "korvelSymbolOfValue";
constexpr const char* Marker = "korvelMarker";

QLabel* LabelIn(const QObject* holder, const char* property) {
    return qobject_cast<QLabel*>(holder->property(property).value<QObject*>());
}

// The label's text with its subscripts joined to their symbols and the
// blanks that made room for them gone: "M        = 0,90 kNm" -> "Msd1 = 0,90 kNm".
QString Phrase(const QLabel* main) {
    QString text = main->text();
    QList<const QLabel*> subs;
    if (const QWidget* parent = main->parentWidget())
        for (const QLabel* l : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (LabelIn(l, SubscriptOf) == main) subs << l;
    // From the last gap backwards, so that the earlier positions stay valid.
    std::sort(subs.begin(), subs.end(), [](const QLabel* a, const QLabel* b) {
        return a->property(SubscriptPrefix).toString().size() >
               b->property(SubscriptPrefix).toString().size();
    });
    for (const QLabel* sub : subs) {
        const qsizetype at = sub->property(SubscriptPrefix).toString().size();
        if (at <= text.size()) text.insert(at, sub->text());
    }
    return text.simplified();
}

class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QLabel* label() const { return static_cast<QLabel*>(widget()); }

    // Read as part of another label's phrase.
    bool PartOfAnother() const {
        return LabelIn(label(), SubscriptOf) || LabelIn(label(), SymbolOfValue);
    }

    QString text(QAccessible::Text t) const override {
        const QLabel* l = label();
        switch (t) {
        case QAccessible::Name:
            if (l->property(Marker).toBool())
                return VerdictOf(l->text(), BackgroundOf(l) != MarkerRed);
            if (const QLabel* symbol = LabelIn(l, QuantityOf))
                return Phrase(symbol) + " " + Phrase(l);
            if (!l->accessibleName().isEmpty()) return l->accessibleName();
            return Phrase(l);
        case QAccessible::Value:
            return l->text();
        case QAccessible::Description:
            return l->accessibleDescription().isEmpty() ? l->toolTip() : l->accessibleDescription();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (PartOfAnother()) s.invisible = true;
        return s;
    }
};

QAccessibleInterface* LabelFactory(const QString& className, QObject* object) {
    // Every label of ours: Qt may ask for (and keep) the reading before the
    // subscripts and the symbol are joined.
    if (className != QLatin1String(ReadLabel::staticMetaObject.className())) return nullptr;
    return new LabelAccessible(static_cast<QLabel*>(object));
}

class ReviewWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange)
            if (auto* edit = qobject_cast<QLineEdit*>(watched))
                edit->setAccessibleDescription(BackgroundOf(edit) == ReviewYellow
                                                   ? QStringLiteral("Kollane lahter, vaata üle: ") +
                                                         edit->toolTip()
                                                   : QString());
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void InstallAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(LabelFactory);
}

void JoinSubscript(QLabel* main, QLabel* sub, const QString& prefix) {
    sub->setProperty(SubscriptOf, QVariant::fromValue<QObject*>(main));
    sub->setProperty(SubscriptPrefix, prefix);
}

void JoinQuantity(QLabel* value, QLabel* symbol) {
    value->setProperty(QuantityOf, QVariant::fromValue<QObject*>(symbol));
    symbol->setProperty(SymbolOfValue, QVariant::fromValue<QObject*>(value));
}

void MarkAsMarker(QLabel* marker) {
    marker->setProperty(Marker, true);
}

QString VerdictOf(const QString& sign, bool holds) {
    const QString verdict = holds ? QStringLiteral(", tingimus on täidetud")
                                  : QStringLiteral(", tingimus ei ole täidetud");
    if (sign == "<") return QStringLiteral("väiksem") + verdict;
    if (sign == "=") return QStringLiteral("võrdne") + verdict;
    if (sign == ">") return QStringLiteral("suurem") + verdict;
    return {};
}

void NameDrawing(QWidget* drawing, const QList<QLabel*>& captions) {
    QStringList texts;
    for (const QLabel* c : captions)
        texts << c->text();
    drawing->setAccessibleName(texts.join("; "));
}

void FollowReview(QLineEdit* edit) {
    static QPointer<ReviewWatcher> watcher;
    if (!watcher) watcher = new ReviewWatcher(QCoreApplication::instance());
    edit->installEventFilter(watcher);
}

} // namespace Korvel
