// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

namespace strumkin::forms {

enum class Event { Click, DblClick, Change, Timer };

class Control;

// Receives what happens on a loaded window: the window class's handlers.
class FormHandler {
public:
    virtual ~FormHandler() = default;
    virtual void controlEvent(Control &control, Event event) = 0;
    virtual void formResized() = 0;
    // The title-bar close; the window stays until the handler unloads it.
    virtual void formCloseRequested() = 0;
    // The window's real frame became known and differs from the one it was
    // placed with: it may want to be placed again.
    virtual void formFramed() {}
};

} // namespace strumkin::forms
