// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "shell/windowclass.h"

#include "forms/control.h"
#include "forms/form.h"
#include "layout/engine.h"
#include "platform/player.h"
#include "platform/prompter.h"
#include "platform/services.h"
#include "shell/registry.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>
#include <QtDebug>

#include <new>
#include <stdexcept>

namespace strumkin::shell {

WindowClass::WindowClass(Registry &registry, QString className, QString designName)
    : m_registry(registry), m_className(std::move(className)),
      m_designName(designName.isEmpty() ? m_className : std::move(designName))
{}

WindowClass::~WindowClass() = default;

forms::Form &WindowClass::form() const
{
    if (m_form == nullptr)
        throw std::logic_error("window " + m_className.toStdString() + " is not loaded");
    return *m_form;
}

forms::Control &WindowClass::control(const QString &name) const
{
    forms::Control *found = form().control(name);
    if (found == nullptr)
        throw std::logic_error("window " + m_className.toStdString() + " has no control " +
                               name.toStdString());
    return *found;
}

void WindowClass::guarded(const Handler &handler)
{
    // A fault in one handler is reported and the program goes on: a window
    // that could not be loaded must not take the others with it.
    try {
        handler();
    } catch (const std::bad_alloc &) {
        qCritical("%s: out of memory", qPrintable(m_className));
        services().prompter->inform(QStringLiteral(
            "Strumkin ran out of memory and could not finish this. Close other programs, then "
            "try again."));
    } catch (const std::exception &fault) {
        qCritical("%s: %s", qPrintable(m_className), fault.what());
        // The user must not take an unfinished action for a finished one.
        services().prompter->inform(QStringLiteral("Strumkin could not finish this: %1.")
                                        .arg(QString::fromLocal8Bit(fault.what())));
    }
}

void WindowClass::on(const QString &control, forms::Event event, Handler handler)
{
    m_handlers[{control, event}] = std::move(handler);
}

void WindowClass::speak(const QString &control, const QString &name,
                        const QString &description) const
{
    QWidget *widget = this->control(control).widget();
    if (!name.isEmpty())
        widget->setAccessibleName(name);
    if (!description.isEmpty())
        widget->setAccessibleDescription(description);
}

void WindowClass::playable(const QString &diagram, QChar key)
{
    m_playable.emplace_back(diagram, key.toUpper());
    on(diagram, forms::Event::Click, [this, diagram] {
        play(diagram, QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier));
    });
}

void WindowClass::play(const QString &diagram, bool stringByString)
{
    platform::Player *player = services().player;
    // The diagram tells its shape as frets from low E, -1 for a muted string.
    const QStringList frets = control(diagram)
                                  .get(QStringLiteral("Frets"))
                                  .value_or(QString())
                                  .toString()
                                  .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    platform::Player::Shape shape{};
    if (player == nullptr || frets.size() != qsizetype(shape.size()))
        return;
    for (std::size_t string = 0; string < shape.size(); ++string)
        shape[string] = frets[qsizetype(string)].toInt();
    player->play(shape,
                 stringByString ? platform::PlayMode::StringByString : platform::PlayMode::Strum,
                 this);
}

void WindowClass::preparePlaying()
{
    for (const auto &[diagram, key] : m_playable) {
        forms::Control &c = control(diagram);
        c.widget()->setCursor(Qt::PointingHandCursor);
        c.set(QStringLiteral("ToolTipText"),
              QStringLiteral("Click to hear this chord strummed, Shift+click to hear it string by "
                             "string (keys: Alt+%1, Alt+Shift+%1)")
                  .arg(key));
        for (const bool stringByString : {false, true}) {
            const QKeySequence keys(QKeyCombination(
                stringByString ? Qt::AltModifier | Qt::ShiftModifier : Qt::AltModifier,
                Qt::Key(key.unicode())));
            auto *shortcut = new QShortcut(keys, &form());
            QObject::connect(shortcut, &QShortcut::activated, shortcut,
                             [this, diagram, stringByString] {
                                 guarded([&] { play(diagram, stringByString); });
                             });
        }
    }
}

const platform::Services &WindowClass::services() const
{
    return m_registry.services();
}

void WindowClass::set(const QString &control, const QString &property, const QVariant &value) const
{
    this->control(control).set(property, value);
}

void WindowClass::controlEvent(forms::Control &control, forms::Event event)
{
    const auto handler = m_handlers.find({control.name(), event});
    if (handler == m_handlers.end())
        return;
    // The handler may unload this window; keep it alive until it returns.
    const Handler run = handler->second;
    QScreen *before = m_registry.setActingScreen(m_form != nullptr ? m_form->screen() : nullptr);
    guarded(run);
    m_registry.setActingScreen(before);
    m_registry.handlerReturned();
}

void WindowClass::resize()
{
    layout::ResizeForm(form().layoutView());
}

void WindowClass::formResized()
{
    if (m_form == nullptr)
        return;
    guarded([this] { resize(); });
    m_registry.handlerReturned();
}

void WindowClass::framed()
{
    form().placeForFirstShow();
}

void WindowClass::formFramed()
{
    if (m_form == nullptr)
        return;
    guarded([this] { framed(); });
}

void WindowClass::formCloseRequested()
{
    m_registry.unload(m_className);
    m_registry.handlerReturned();
}

} // namespace strumkin::shell
