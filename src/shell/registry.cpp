// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "shell/registry.h"

#include "forms/design.h"
#include "forms/form.h"
#include "platform/player.h"
#include "shell/names.h"
#include "shell/windowclass.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QtDebug>

namespace strumkin::shell {

namespace {
// A window class made of its design alone.
class DesignOnly final : public WindowClass {
public:
    using WindowClass::WindowClass;

private:
    void resize() override {}
};
} // namespace

Registry::Registry(platform::Services services)
    : m_services(services), m_end([] { QCoreApplication::exit(0); })
{}

Registry::~Registry()
{
    for (auto &[name, window] : m_instances) {
        if (window->m_form != nullptr) {
            window->m_form->detach();
            delete window->m_form;
            window->m_form = nullptr;
        }
    }
}

void Registry::registerClass(const QString &className, Factory factory)
{
    m_factories[className] = std::move(factory);
}

void Registry::registerDesign(const QString &className)
{
    registerClass(className, [className](Registry &registry) {
        return std::make_unique<DesignOnly>(registry, className);
    });
}

WindowClass *Registry::instance(const QString &className)
{
    if (const auto existing = m_instances.find(className); existing != m_instances.end())
        return existing->second.get();
    const auto factory = m_factories.find(className);
    if (factory == m_factories.end())
        return nullptr;
    auto created = factory->second(*this);
    WindowClass *window = created.get();
    m_instances.emplace(className, std::move(created));
    return window;
}

bool Registry::load(WindowClass &window, QScreen *screen)
{
    forms::LoadedDesign design = forms::loadDesign(window.designName());
    if (design.form == nullptr) {
        qCritical("%s", qPrintable(design.error));
        return false;
    }
    window.m_form = design.form.release();
    // Before Load, which may place the window relative to its screen.
    window.m_form->setTargetScreen(screen);
    window.m_form->setHandler(&window);
    window.m_loading = true;
    window.guarded([&window] { window.preparePlaying(); });
    window.guarded([&window] { window.load(); });
    window.m_loading = false;
    return window.m_form != nullptr;
}

QScreen *Registry::setActingScreen(QScreen *screen)
{
    QScreen *before = m_actingScreen;
    m_actingScreen = screen;
    return before;
}

void Registry::show(const QString &className)
{
    show(className, nullptr);
}

void Registry::showBeside(const QString &className, const forms::Form &anchor)
{
    show(className, &anchor);
}

void Registry::show(const QString &className, const forms::Form *anchor)
{
    WindowClass *window = instance(className);
    if (window == nullptr) {
        qWarning("no window class %s", qPrintable(className));
        return;
    }
    // Asked for by its own Load handler: the Show under way completes it.
    if (window->m_loading)
        return;
    if (window->m_form == nullptr) {
        QScreen *screen = anchor != nullptr ? anchor->screen() : m_actingScreen.data();
        if (!load(*window, screen != nullptr ? screen : QGuiApplication::primaryScreen()))
            return;
        forms::Form &form = *window->m_form;
        form.setBeside(anchor);
        form.placeForFirstShow();
        form.dispatchResize();
        if (window->m_form == nullptr)
            return;
        form.show();
        form.focusFirstControl();
    } else if (!window->m_form->isVisible()) {
        window->m_form->show();
    }
    window->m_form->raise();
    window->m_form->activateWindow();
}

void Registry::unload(const QString &className)
{
    const auto found = m_instances.find(className);
    if (found == m_instances.end() || found->second->m_form == nullptr)
        return;
    WindowClass &window = *found->second;
    // Its sound goes with it.
    if (m_services.player != nullptr)
        m_services.player->stopFor(&window);
    forms::Form *form = window.m_form;
    window.m_form = nullptr;
    form->detach();
    form->hide();
    // The handler that asked may belong to this window and is still running.
    form->deleteLater();
    handlerReturned();
}

void Registry::replace(const QString &leaving, const QString &next)
{
    unload(leaving);
    show(next);
}

void Registry::unloadAll()
{
    for (const QString &name : loadedClasses())
        unload(name);
}

forms::Form *Registry::loadHidden(const QString &className)
{
    WindowClass *window = instance(className);
    if (window == nullptr)
        return nullptr;
    if (window->m_form == nullptr && !load(*window, QGuiApplication::primaryScreen()))
        return nullptr;
    return window->m_form;
}

bool Registry::isLoaded(const QString &className) const
{
    const auto found = m_instances.find(className);
    return found != m_instances.end() && found->second->m_form != nullptr;
}

QStringList Registry::loadedClasses() const
{
    QStringList loaded;
    for (const auto &[name, window] : m_instances) {
        if (window->m_form != nullptr)
            loaded << name;
    }
    return loaded;
}

void Registry::start()
{
    show(QLatin1String(WelcomeClass));
    handlerReturned();
}

void Registry::handlerReturned()
{
    if (m_endCheckQueued)
        return;
    m_endCheckQueued = true;
    QTimer::singleShot(0, &m_queue, [this] { checkEnd(); });
}

void Registry::checkEnd()
{
    m_endCheckQueued = false;
    if (loadedClasses().isEmpty())
        m_end();
}

} // namespace strumkin::shell
