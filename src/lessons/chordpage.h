// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/windowclass.h"

namespace strumkin::lessons {

struct Chord;

// The seven chord pair pages, one class: the major chord on the left, the
// minor on the right, each with Save and Print, and the way on to the
// neighbouring pages and back to the chord menu.
class ChordPage final : public shell::WindowClass {
public:
    ChordPage(shell::Registry &registry, const QString &className);

private:
    void load() override;
    void save(const Chord &chord);
    void print(const Chord &chord);

    const Chord &m_major;
    const Chord &m_minor;
};

} // namespace strumkin::lessons
