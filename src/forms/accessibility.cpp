// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/accessibility.h"

#include "forms/control.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

namespace strumkin::forms {

namespace {

const char *const ControlProperty = "strumkinControl";

const Control *controlOf(const QObject *object)
{
    return static_cast<const Control *>(object->property(ControlProperty).value<const void *>());
}

// Answers for a widget from its control's facts, asked afresh each time, so
// that a caption changed since (the welcome window's countdown) is read.
class ControlAccessible final : public QAccessibleWidget {
public:
    explicit ControlAccessible(QWidget *widget) : QAccessibleWidget(widget) {}

    QAccessible::Role role() const override { return facts().role; }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return widget()->accessibleName().isEmpty() ? facts().name : widget()->accessibleName();
        if (kind == QAccessible::Description) {
            const QString set = widget()->accessibleDescription();
            return set.isEmpty() ? facts().description : set;
        }
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = state.invisible || facts().decorative;
        return state;
    }
    QStringList actionNames() const override
    {
        return facts().press ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString &action) override
    {
        if (action == pressAction()) {
            if (const auto press = facts().press)
                press();
        }
    }

private:
    AccessibleFacts facts() const
    {
        const Control *control = controlOf(widget());
        return control != nullptr ? control->accessibleFacts() : AccessibleFacts{};
    }
};

QAccessibleInterface *forControls(const QString &, QObject *object)
{
    // Only where the control answers: Qt's widgets have their own answers.
    auto *widget = qobject_cast<QWidget *>(object);
    const Control *control = widget != nullptr ? controlOf(widget) : nullptr;
    if (control == nullptr || control->accessibleFacts().fromQt)
        return nullptr;
    return new ControlAccessible(widget);
}

} // namespace

void speakFor(QWidget &widget, const Control &control)
{
    static const bool installed = [] {
        QAccessible::installFactory(forControls);
        return true;
    }();
    (void)installed;
    widget.setProperty(ControlProperty, QVariant::fromValue(static_cast<const void *>(&control)));
}

void silence(QWidget &widget)
{
    widget.setProperty(ControlProperty, QVariant());
}

QString spokenText(const QString &caption)
{
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // An ampersand marks the access key that follows; "&&" is one written.
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        text += caption[i];
    }
    return text.simplified();
}

} // namespace strumkin::forms
