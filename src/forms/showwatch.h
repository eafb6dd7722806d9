#pragma once

#include <QEvent>
#include <QObject>

#include <functional>

namespace strumkin::forms {

// Calls back each time a widget is shown; deleted with the widget.
class ShowWatch final : public QObject {
public:
    ShowWatch(QObject *watched, std::function<void()> shown)
        : QObject(watched), m_shown(std::move(shown))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            m_shown();
        return false;
    }

private:
    std::function<void()> m_shown;
};

} // namespace strumkin::forms
