// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/control.h"
#include "forms/event.h"
#include "forms/property.h"
#include "forms/units.h"
#include "layout/toolkit.h"

#include <QMargins>
#include <QPointer>
#include <QRectF>
#include <QSizeF>

#include <QWidget>

#include <memory>
#include <vector>

class QMenuBar;

namespace strumkin::forms {

class Surface;

// A top-level window built from its design. Its outer rectangle is in twips,
// its client area in the window's own units (twips, or a custom scale whose
// unit keeps its size in twips when the window is resized).
class Form final : public QWidget {
    Q_OBJECT
public:
    enum class Placement { Manual, CentreOwner, CentreScreen, Default };

    explicit Form(QString className);
    ~Form() override;

    [[nodiscard]] const QString &className() const { return m_className; }

    // Controls in the toolkit's order: menu items, then the design's order
    // with each container followed by its contents.
    [[nodiscard]] const std::vector<Control *> &allControls() const { return m_order; }
    [[nodiscard]] Control *control(const QString &name) const;
    template <class Kind> [[nodiscard]] Kind *controlAs(const QString &name) const
    {
        return dynamic_cast<Kind *>(control(name));
    }
    Control &adopt(std::unique_ptr<Control> control);

    // By-name properties of the window itself (Caption, BackColor, Icon,
    // ClientWidth, ClientHeight, ScaleWidth, ScaleHeight, StartUpPosition,
    // Left, Top and the Font properties).
    [[nodiscard]] std::optional<QVariant> get(const QString &property) const;
    bool set(const QString &property, const QVariant &value);
    // In the order a design sets them: sizes before the scale that divides
    // them.
    [[nodiscard]] static const PropertyTable<Form> &properties();

    [[nodiscard]] Scale scale() const { return m_scale; }
    [[nodiscard]] double dpiX() const;
    [[nodiscard]] double dpiY() const;
    // How many pixels one of the window's units is across and down.
    [[nodiscard]] QSizeF pixelsPerUnit() const;
    [[nodiscard]] QWidget *clientArea() const;
    [[nodiscard]] Surface &surface() const { return *m_surface; }
    [[nodiscard]] QMenuBar *menuBar();

    // Sets the client area to a size in twips, exactly: reading it back gives
    // the same numbers.
    void setClientSizeTwips(const QSizeF &size);
    [[nodiscard]] QSizeF clientSizeTwips() const { return m_clientTwips; }
    void setLeftTwips(double left);
    void setTopTwips(double top);

    // Paints a picture at a rectangle in the window's units onto the kept
    // background, beneath every control.
    void paintPicture(const QImage &picture, const QRectF &units);

    void setHandler(FormHandler *handler) { m_handler = handler; }
    void dispatch(Control &control, Event event);
    // Raises Resize now, for the window's current size; later size changes
    // raise it again.
    void dispatchResize();
    void clientResized(const QSize &pixels);

    // Completes a load: tab order of the focusable controls.
    void finishLoad();
    // The screen a window not yet shown opens on; Left and Top are relative
    // to it from the start.
    void setTargetScreen(QScreen *screen);
    // Places the window beside another one instead of where its design says.
    void setBeside(const QWidget *anchor) { m_beside = anchor; }
    // Puts the window where its design says (or beside its anchor), for its
    // first showing; again once its real frame is known, if that differs from
    // the one it was placed with.
    void placeForFirstShow();
    // Gives the focus to the first control of the tab order that can take it.
    void focusFirstControl();
    // Stops the window's timers and events for good: the window is unloaded.
    void detach();

    // The outer rectangle in twips: Left and Top relative to the screen the
    // window is on, Top at 30000 or more while the window is minimized.
    [[nodiscard]] QRectF outerTwips() const;
    // The outer rectangle in pixels. Until the window manager has framed the
    // window, its frame is taken to be the last one any window was given.
    [[nodiscard]] QRect outerFrame() const;
    // The client area in the window's own units.
    [[nodiscard]] QSizeF scaleSize() const;

    // What the layout engine sees of this window.
    [[nodiscard]] layout::Window &layoutView() const { return *m_view; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void layoutChildren();
    void learnFrame();
    [[nodiscard]] QMargins realFrame() const;
    [[nodiscard]] QSize clientPixels(const QSizeF &twips) const;
    [[nodiscard]] QRect screenArea() const;

    QString m_className;
    FormHandler *m_handler = nullptr;
    std::vector<std::unique_ptr<Control>> m_owned;
    std::vector<Control *> m_order;
    std::vector<Control *> m_tabChain;
    QMenuBar *m_menuBar = nullptr;
    Surface *m_surface = nullptr;
    Scale m_scale;
    QSizeF m_clientTwips;
    QSizeF m_shownTwips{-1, -1};
    QSize m_dispatchedPixels;
    Placement m_placement = Placement::Default;
    QPointer<const QWidget> m_beside;
    // The frame the window was placed with, until its real one is known.
    QMargins m_placedWith;
    bool m_frameLearned = false;
    std::unique_ptr<layout::Window> m_view;
    bool m_detached = false;
};

} // namespace strumkin::forms
