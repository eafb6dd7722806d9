// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace strumkin::platform {

// Modal messages to the user.
class Prompter {
public:
    virtual ~Prompter() = default;
    // An information box: OK, no icon, titled with the program's name.
    virtual void inform(const QString &text) = 0;
    // A question box with a question icon; true for Yes.
    virtual bool ask(const QString &text, const QString &title) = 0;
};

class MessageBoxPrompter final : public Prompter {
public:
    void inform(const QString &text) override;
    bool ask(const QString &text, const QString &title) override;
};

inline constexpr char ProgramTitle[] = "Strumkin";

} // namespace strumkin::platform
