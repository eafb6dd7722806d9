// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/form.h"

#include "forms/artwork.h"
#include "forms/fontpart.h"
#include "forms/pictures.h"
#include "forms/placement.h"
#include "forms/surface.h"
#include "forms/values.h"
#include "layout/engine.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <limits>

namespace strumkin::forms {

namespace {

// The window as the layout engine sees it.
class View final : public layout::Window {
public:
    explicit View(Form &form) : m_form(form) {}

    std::string name() const override { return m_form.className().toStdString(); }
    double top() const override { return m_form.outerTwips().top(); }
    double left() const override { return m_form.outerTwips().left(); }
    double height() const override { return m_form.outerTwips().height(); }
    double width() const override { return m_form.outerTwips().width(); }
    double scaleHeight() const override { return m_form.scaleSize().height(); }
    double scaleWidth() const override { return m_form.scaleSize().width(); }
    bool visible() const override { return m_form.isVisible(); }
    void setVisible(bool visible) override
    {
        // Only a change is carried out, so the engine's write-back of what it
        // read never shows or hides a window, also not while it is first shown.
        if (visible != m_form.isVisible())
            m_form.setVisible(visible);
    }
    std::vector<layout::Control *> controls() override
    {
        const auto &all = m_form.allControls();
        return {all.begin(), all.end()};
    }

private:
    Form &m_form;
};

// The frame the window manager gave the last window it framed: the best guess
// for the next one, which is placed before it has one.
QMargins knownFrame;

} // namespace

Form::Form(QString className)
    : m_className(std::move(className)), m_surface(new Surface(*this)),
      m_view(std::make_unique<View>(*this))
{
    setObjectName(m_className);
}

Form::~Form()
{
    // Controls refer to their widgets; they go first, the widgets with us.
    m_order.clear();
    m_owned.clear();
}

Control *Form::control(const QString &name) const
{
    const auto found = std::find_if(m_order.begin(), m_order.end(),
                                    [&](const Control *c) { return c->name() == name; });
    return found == m_order.end() ? nullptr : *found;
}

Control &Form::adopt(std::unique_ptr<Control> control)
{
    Control &adopted = *control;
    m_order.push_back(control.get());
    m_owned.push_back(std::move(control));
    return adopted;
}

double Form::dpiX() const
{
    return logicalDpiX();
}

double Form::dpiY() const
{
    return logicalDpiY();
}

QSizeF Form::pixelsPerUnit() const
{
    return {dpiX() / TwipsPerInch * m_scale.twipsPerUnitX,
            dpiY() / TwipsPerInch * m_scale.twipsPerUnitY};
}

QWidget *Form::clientArea() const
{
    return m_surface;
}

QMenuBar *Form::menuBar()
{
    if (m_menuBar == nullptr) {
        m_menuBar = new QMenuBar(this);
        m_menuBar->setNativeMenuBar(false);
        layoutChildren();
    }
    return m_menuBar;
}

QSize Form::clientPixels(const QSizeF &twips) const
{
    return {twipsToPixels(twips.width(), dpiX()), twipsToPixels(twips.height(), dpiY())};
}

QRect Form::screenArea() const
{
    const QScreen *s = screen();
    return s != nullptr ? s->geometry() : QRect();
}

void Form::setClientSizeTwips(const QSizeF &size)
{
    m_clientTwips = QSizeF(std::max(0.0, size.width()), std::max(0.0, size.height()));
    const QSize pixels = clientPixels(m_clientTwips);
    const int menu = m_menuBar != nullptr ? m_menuBar->heightForWidth(pixels.width()) : 0;
    resize(pixels.width(), pixels.height() + std::max(0, menu));
    layoutChildren();
    clientResized(m_surface->size());
}

void Form::setLeftTwips(double left)
{
    move(screenArea().x() + twipsToPixels(left, dpiX()), outerFrame().y());
}

void Form::setTopTwips(double top)
{
    move(outerFrame().x(), screenArea().y() + twipsToPixels(top, dpiY()));
}

QMargins Form::realFrame() const
{
    const QWindow *window = windowHandle();
    return window != nullptr ? window->frameMargins() : QMargins();
}

QRect Form::outerFrame() const
{
    const QMargins real = realFrame();
    if (!real.isNull())
        return geometry().marginsAdded(real);
    // Until then the window's position is its frame's (as move() takes it).
    const QRect frame = frameGeometry();
    return {frame.topLeft(), frame.size().grownBy(knownFrame)};
}

QRectF Form::outerTwips() const
{
    const QRect frame = outerFrame();
    const QRect area = screenArea();
    double top = pixelsToTwips(frame.y() - area.y(), dpiY());
    // A minimized window is left alone by the layout engine, which knows it by
    // this Top, whatever screen it is on and however tall that is.
    if (isMinimized())
        top = std::max(top, layout::MinimizedTop);
    return {pixelsToTwips(frame.x() - area.x(), dpiX()), top, pixelsToTwips(frame.width(), dpiX()),
            pixelsToTwips(frame.height(), dpiY())};
}

QSizeF Form::scaleSize() const
{
    return {m_clientTwips.width() / m_scale.twipsPerUnitX,
            m_clientTwips.height() / m_scale.twipsPerUnitY};
}

void Form::paintPicture(const QImage &picture, const QRectF &units)
{
    const QSizeF scale = pixelsPerUnit();
    m_surface->paintPicture(picture,
                            QRectF(units.left() * scale.width(), units.top() * scale.height(),
                                   units.width() * scale.width(), units.height() * scale.height()));
}

void Form::dispatch(Control &control, Event event)
{
    if (m_handler != nullptr && !m_detached)
        m_handler->controlEvent(control, event);
}

void Form::dispatchResize()
{
    // The size Resize is first raised at is the one the layout engine records.
    if (!m_shownTwips.isValid())
        m_shownTwips = m_clientTwips;
    m_dispatchedPixels = clientPixels(m_clientTwips);
    if (m_handler != nullptr && !m_detached)
        m_handler->formResized();
}

void Form::clientResized(const QSize &pixels)
{
    // Pixels are coarser than twips: per axis, a size that twips known to
    // the window give keeps them exactly (the last ones set, else those it
    // was first shown with), so a window back on its first size scales by
    // exactly 100 and one resized along one axis keeps the other.
    const auto keep = [](int px, double current, double shown, double dpi) {
        if (px == twipsToPixels(current, dpi))
            return current;
        if (shown >= 0 && px == twipsToPixels(shown, dpi))
            return shown;
        return pixelsToTwips(px, dpi);
    };
    m_clientTwips =
        QSizeF(keep(pixels.width(), m_clientTwips.width(), m_shownTwips.width(), dpiX()),
               keep(pixels.height(), m_clientTwips.height(), m_shownTwips.height(), dpiY()));
    // Resize is raised first by the window's showing; sizes before that are
    // the building of the window.
    if (!m_dispatchedPixels.isValid() || pixels == m_dispatchedPixels)
        return;
    dispatchResize();
}

void Form::layoutChildren()
{
    int menu = 0;
    if (m_menuBar != nullptr) {
        menu = std::max(0, m_menuBar->heightForWidth(width()));
        m_menuBar->setGeometry(0, 0, width(), menu);
    }
    m_surface->setGeometry(0, menu, width(), std::max(0, height() - menu));
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutChildren();
}

void Form::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    learnFrame();
}

void Form::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    learnFrame();
}

void Form::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        learnFrame();
}

void Form::learnFrame()
{
    if (m_frameLearned || !isVisible())
        return;
    const QMargins frame = realFrame();
    // No frame (yet, or ever, without a window manager).
    if (frame.isNull())
        return;
    m_frameLearned = true;
    knownFrame = frame;
    if (frame != m_placedWith && m_handler != nullptr && !m_detached)
        m_handler->formFramed();
}

void Form::closeEvent(QCloseEvent *event)
{
    // Closing never destroys the window by itself: the handler unloads it.
    event->ignore();
    if (m_handler != nullptr && !m_detached)
        m_handler->formCloseRequested();
}

void Form::finishLoad()
{
    std::vector<Control *> chain;
    for (Control *c : m_order) {
        if (c->widget() == nullptr || c->widget()->focusPolicy() == Qt::NoFocus)
            continue;
        if (!c->tabStop())
            c->widget()->setFocusPolicy(Qt::ClickFocus);
        else
            chain.push_back(c);
    }
    // Controls the design gives no place in the order come last.
    const auto place = [](const Control *c) {
        return c->tabIndex() < 0 ? std::numeric_limits<int>::max() : c->tabIndex();
    };
    std::stable_sort(chain.begin(), chain.end(),
                     [&](const Control *a, const Control *b) { return place(a) < place(b); });
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1]->widget(), chain[i]->widget());
    m_tabChain = std::move(chain);
    for (Control *c : m_order)
        c->loaded();
    // The menu bar came after the client size: the window grows to hold both.
    if (m_menuBar != nullptr) {
        m_menuBar->ensurePolished();
        setClientSizeTwips(m_clientTwips);
    }
}

void Form::setTargetScreen(QScreen *screen)
{
    if (screen != nullptr && !isVisible())
        setScreen(screen);
}

void Form::placeForFirstShow()
{
    m_placedWith = knownFrame;
    const QRect area = screenArea();
    const QRect outer = outerFrame();
    if (m_beside != nullptr) {
        const auto *form = qobject_cast<const Form *>(m_beside.data());
        const QRect anchor = form != nullptr ? form->outerFrame() : m_beside->frameGeometry();
        move(beside(anchor, outer.size(), m_beside->screen()->availableGeometry()).topLeft());
        return;
    }
    switch (m_placement) {
    case Placement::CentreOwner:
    case Placement::CentreScreen:
        // Windows are shown without an owner: centre on the screen they open on.
        move(area.x() + (area.width() - outer.width()) / 2,
             area.y() + (area.height() - outer.height()) / 2);
        break;
    case Placement::Default:
        // Where the window manager puts it, but on the right screen.
        if (!area.contains(outer.topLeft()))
            move(area.topLeft());
        break;
    case Placement::Manual:
        break;
    }
}

void Form::focusFirstControl()
{
    for (Control *c : m_tabChain) {
        QWidget *w = c->widget();
        if (w->isVisibleTo(this) && w->isEnabled()) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void Form::detach()
{
    m_detached = true;
    m_handler = nullptr;
    for (QTimer *timer : findChildren<QTimer *>())
        timer->stop();
}

std::optional<QVariant> Form::get(const QString &property) const
{
    return readProperty(properties(), *this, property);
}

bool Form::set(const QString &property, const QVariant &value)
{
    return writeProperty(properties(), *this, property, value).value_or(false);
}

const PropertyTable<Form> &Form::properties()
{
    using P = Property<Form>;
    const auto client = [](QSizeF (*resized)(QSizeF, double)) {
        return [resized](Form &f, const QVariant &v) {
            f.setClientSizeTwips(resized(f.m_clientTwips, v.toDouble()));
        };
    };
    // A custom scale: the client area is this many units across (down).
    const auto scale = [](double Scale::*unit, qreal (QSizeF::*client)() const) {
        return [unit, client](Form &f, const QVariant &v) {
            f.m_scale.*unit = (f.m_clientTwips.*client)() / v.toDouble();
            for (Control *c : f.m_order)
                c->applyGeometry();
        };
    };
    static const PropertyTable<Form> table = [&] {
        PropertyTable<Form> own{
            {"Caption", Takes::text(), [](const Form &f) { return f.windowTitle(); },
             [](Form &f, const QVariant &v) { f.setWindowTitle(v.toString()); }},
            {"ClientWidth", Takes::number(0), [](const Form &f) { return f.m_clientTwips.width(); },
             client([](QSizeF size, double width) { return QSizeF(width, size.height()); })},
            {"ClientHeight", Takes::number(0),
             [](const Form &f) { return f.m_clientTwips.height(); },
             client([](QSizeF size, double height) { return QSizeF(size.width(), height); })},
            {"ScaleWidth", Takes::positive(), [](const Form &f) { return f.scaleSize().width(); },
             scale(&Scale::twipsPerUnitX, &QSizeF::width)},
            {"ScaleHeight", Takes::positive(), [](const Form &f) { return f.scaleSize().height(); },
             scale(&Scale::twipsPerUnitY, &QSizeF::height)},
            {"BackColor", Takes::color(),
             [](const Form &f) { return f.m_surface->palette().color(QPalette::Window); },
             [](Form &f, const QVariant &v) {
                 QPalette palette = f.m_surface->palette();
                 palette.setColor(QPalette::Window, v.value<QColor>());
                 f.m_surface->setPalette(palette);
             }},
            // Read by its own name's format: a QIcon made from the file name would
            // probe, and so load, every image plugin to find out what it is.
            {"Icon", Takes::text(), nullptr,
             [](Form &f, const QVariant &v) {
                 const QImage picture = readPicture(v.toString());
                 if (!picture.isNull())
                     f.setWindowIcon(iconFrom(picture));
                 return !picture.isNull();
             }},
            {"StartUpPosition", Takes::integer(0, 3), nullptr,
             [](Form &f, const QVariant &v) { f.m_placement = static_cast<Placement>(v.toInt()); }},
            {"Left", Takes::number(), [](const Form &f) { return f.outerTwips().left(); },
             [](Form &f, const QVariant &v) { f.setLeftTwips(v.toDouble()); }},
            {"Top", Takes::number(), [](const Form &f) { return f.outerTwips().top(); },
             [](Form &f, const QVariant &v) { f.setTopTwips(v.toDouble()); }},
            // The design gives these by other keys, or not at all.
            {"Name", Takes::anything(), [](const Form &f) { return f.m_className; }, nullptr,
             nullptr, P::Design::MayNot},
            {"Width", Takes::anything(), [](const Form &f) { return f.outerTwips().width(); },
             nullptr, nullptr, P::Design::MayNot},
            {"Height", Takes::anything(), [](const Form &f) { return f.outerTwips().height(); },
             nullptr, nullptr, P::Design::MayNot},
            {"Visible", Takes::anything(), [](const Form &f) { return f.isVisible(); }, nullptr,
             nullptr, P::Design::MayNot},
        };
        // The design's font gives these.
        for (const FontPart &part : fontParts()) {
            if (!part.windows)
                continue;
            own.push_back({part.name, part.takes,
                           [read = part.read](const Form &f) { return read(f.m_surface->font()); },
                           [write = part.write](Form &f, const QVariant &v) {
                               QFont font = f.m_surface->font();
                               write(font, v);
                               f.m_surface->setFont(font);
                           },
                           nullptr, P::Design::MayNot});
        }
        return own;
    }();
    return table;
}

} // namespace strumkin::forms
