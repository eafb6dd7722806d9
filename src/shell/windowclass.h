// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/event.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace strumkin::forms {
class Control;
class Form;
} // namespace strumkin::forms

namespace strumkin::platform {
struct Services;
}

namespace strumkin::shell {

class Registry;

// One window class: the single instance the program keeps of it, its design
// and its event handlers. The window itself exists only while loaded.
class WindowClass : public forms::FormHandler {
public:
    // The window is built from the design of its class name unless another
    // design is named.
    WindowClass(Registry &registry, QString className, QString designName = {});
    ~WindowClass() override;
    WindowClass(const WindowClass &) = delete;
    WindowClass &operator=(const WindowClass &) = delete;

    [[nodiscard]] const QString &className() const { return m_className; }
    [[nodiscard]] const QString &designName() const { return m_designName; }
    [[nodiscard]] bool isLoaded() const { return m_form != nullptr; }
    // The loaded window; only while loaded.
    [[nodiscard]] forms::Form &form() const;
    [[nodiscard]] forms::Control &control(const QString &name) const;
    template <class Kind> [[nodiscard]] Kind &controlAs(const QString &name) const
    {
        return dynamic_cast<Kind &>(control(name));
    }

protected:
    using Handler = std::function<void()>;
    // Binds a handler to an event of a control.
    void on(const QString &control, forms::Event event, Handler handler);

    // The Load handler: runs after the window is built from its design,
    // before it is first sized and shown.
    virtual void load() {}
    // The Resize handler: every window rescales its controls in proportion.
    virtual void resize();
    // The window manager framed the window otherwise than it was placed for:
    // place it again as when it was first shown.
    virtual void framed();

    [[nodiscard]] Registry &registry() const { return m_registry; }
    [[nodiscard]] const platform::Services &services() const;
    // Runs a handler; a fault in it is reported, not passed on.
    void guarded(const Handler &handler);
    // Sets a property of a control, by name.
    void set(const QString &control, const QString &property, const QVariant &value) const;
    // What a screen reader says of a control, beyond what it shows: an empty
    // name keeps the one it has.
    void speak(const QString &control, const QString &name, const QString &description = {}) const;
    // Lets a chord diagram play its chord: a click strums it, Shift+click
    // plays it string by string; Alt with the key (and Shift) does the same.
    void playable(const QString &diagram, QChar key);

private:
    friend class Registry;

    void play(const QString &diagram, bool stringByString);
    // The pointer, tooltip and keys of the playable diagrams, once built.
    void preparePlaying();

    void controlEvent(forms::Control &control, forms::Event event) override;
    void formResized() override;
    void formCloseRequested() override;
    void formFramed() override;

    Registry &m_registry;
    QString m_className;
    QString m_designName;
    std::map<std::pair<QString, forms::Event>, Handler> m_handlers;
    std::vector<std::pair<QString, QChar>> m_playable;
    forms::Form *m_form = nullptr;
    bool m_loading = false;
};

} // namespace strumkin::shell
