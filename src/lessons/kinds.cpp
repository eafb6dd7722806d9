// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "lessons/kinds.h"

#include "forms/design.h"
#include "lessons/diagramlabel.h"
#include "lessons/optionletters.h"
#include "lessons/stringnames.h"

#include <memory>

namespace strumkin::lessons {

void registerLessonKinds()
{
    forms::registerKind(QStringLiteral("diagram"),
                        [](forms::Form &form, const QString &kind, const QString &name,
                           forms::Control *container) -> std::unique_ptr<forms::Control> {
                            return std::make_unique<DiagramLabel>(form, kind, name, container);
                        });
    forms::registerKind(QStringLiteral("optionletters"),
                        [](forms::Form &form, const QString &kind, const QString &name,
                           forms::Control *container) -> std::unique_ptr<forms::Control> {
                            return std::make_unique<OptionLetters>(form, kind, name, container);
                        });
    forms::registerKind(QStringLiteral("stringnames"),
                        [](forms::Form &form, const QString &kind, const QString &name,
                           forms::Control *container) -> std::unique_ptr<forms::Control> {
                            return std::make_unique<StringNames>(form, kind, name, container);
                        });
}

} // namespace strumkin::lessons
