#include "support/doubles.h"

#include "platform/fonts.h"

#include <QCoreApplication>

namespace strumkin::test {

Rig::Rig()
    : paths(std::make_unique<platform::Paths>(QCoreApplication::applicationDirPath(), drive.path()))
{
    platform::installFontSubstitutes();
    registry = std::make_unique<shell::Registry>(
        platform::Services{&clock, &screen, &prompter, paths.get()});
    registry->setEnd([this] { ++ends; });
}

void Rig::settle()
{
    // The end check is queued behind the handler; deferred deletions too.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace strumkin::test
