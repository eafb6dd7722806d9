// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/services.h"

#include <QObject>
#include <QPointer>
#include <QScreen>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>

namespace strumkin::forms {
class Form;
}

namespace strumkin::shell {

class WindowClass;

// The program's windows: one instance per class, created on first
// reference; Show, Unload and the hidden load of a print sheet; and the end of
// the program once no window is loaded after a handler has returned.
class Registry {
public:
    using Factory = std::function<std::unique_ptr<WindowClass>(Registry &)>;

    explicit Registry(platform::Services services);
    ~Registry();
    Registry(const Registry &) = delete;
    Registry &operator=(const Registry &) = delete;

    void registerClass(const QString &className, Factory factory);
    // A class that is only a design: no handlers, no Resize (the print sheets).
    void registerDesign(const QString &className);

    // The instance of a class, created on first reference; null for a class
    // the program does not have.
    [[nodiscard]] WindowClass *instance(const QString &className);
    // How many instances exist (each class has at most one).
    [[nodiscard]] std::size_t instanceCount() const { return m_instances.size(); }

    // Loads the window if needed (design, Load, first Resize), makes it
    // visible and brings it to the front with the focus.
    // A window not loaded opens on the screen of the window whose handler
    // asks, or on the primary screen outside any handler.
    void show(const QString &className);
    // The same, but a window not loaded opens beside the anchor, on its screen.
    void showBeside(const QString &className, const forms::Form &anchor);
    // Destroys the window if loaded; nothing otherwise.
    void unload(const QString &className);
    // A handler leaving its own window for another: unloads the one, then
    // shows the other on the screen the handler acts on.
    void replace(const QString &leaving, const QString &next);
    // Unloads every loaded window, shown or hidden.
    void unloadAll();
    // Loads a window without showing it, for printing; null when it cannot.
    forms::Form *loadHidden(const QString &className);

    [[nodiscard]] bool isLoaded(const QString &className) const;
    [[nodiscard]] QStringList loadedClasses() const;

    // Shows the first window.
    void start();

    // To be called after each event handler returns: once control is back in
    // the event loop, the program ends if no window is loaded.
    void handlerReturned();
    // What ending the program does (tests observe it).
    void setEnd(std::function<void()> end) { m_end = std::move(end); }

    [[nodiscard]] const platform::Services &services() const { return m_services; }

    // The screen of the window whose handler runs, captured as it starts: the
    // handler may unload that window before it shows the next. Returns the
    // one before, to be put back when the handler returns.
    QScreen *setActingScreen(QScreen *screen);

private:
    bool load(WindowClass &window, QScreen *screen);
    void show(const QString &className, const forms::Form *anchor);
    void checkEnd();

    platform::Services m_services;
    std::map<QString, Factory> m_factories;
    std::map<QString, std::unique_ptr<WindowClass>> m_instances;
    std::function<void()> m_end;
    // Owns the queued end check, so that it dies with the registry.
    QObject m_queue;
    bool m_endCheckQueued = false;
    QPointer<QScreen> m_actingScreen;
};

} // namespace strumkin::shell
