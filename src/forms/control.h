// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/accessibility.h"
#include "forms/event.h"
#include "forms/property.h"
#include "layout/toolkit.h"

#include <QFont>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QVariant>

#include <optional>
#include <vector>

class QPainter;
class QWidget;

namespace strumkin::forms {

class Form;

// One text as a control draws it: the box it keeps the text in, in the
// widget's pixels, and the QPainter::drawText flags and font it uses.
struct TextLayout {
    QString text;
    QRect box;
    int flags = 0;
    QFont font;
};

// One control of a window: a Qt object and the control's properties in the
// designed terms. Geometry is kept as floating-point values in the container's
// units; pixels are derived from it, so reading back never drifts.
class Control : public layout::Control {
public:
    Control(Form &form, QString kind, QString name, Control *container);
    ~Control() override;
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    [[nodiscard]] const QString &kind() const { return m_kind; }
    [[nodiscard]] const QString &name() const { return m_name; }
    [[nodiscard]] Form &form() const { return m_form; }
    [[nodiscard]] Control *container() const { return m_container; }

    // The Qt widget; null for controls without one (timers, menu items).
    [[nodiscard]] QWidget *widget() const { return m_widget; }
    // Where the controls of a container sit.
    [[nodiscard]] virtual QWidget *childArea() const { return nullptr; }

    // By-name property access. Empty, or false, for a property the kind lacks
    // or a value it refuses.
    [[nodiscard]] std::optional<QVariant> get(const QString &property) const;
    bool set(const QString &property, const QVariant &value);
    // Whether a design may set the property; empty when no table of the
    // kind's declares it.
    [[nodiscard]] virtual std::optional<bool> designable(const QString &property) const;

    // The properties every kind has, as far as it has a position, a size and
    // a widget.
    [[nodiscard]] static const PropertyTable<Control> &properties();

    [[nodiscard]] QRectF geometry() const { return m_geometry; }
    // Pixel rectangle of a rectangle in this control's container units.
    [[nodiscard]] QRect toPixels(const QRectF &units) const;
    [[nodiscard]] int tabIndex() const { return m_tabIndex; }
    [[nodiscard]] bool tabStop() const { return m_tabStop; }

    // Re-derives the widget's pixel geometry (after a change of resolution or
    // of the window's scale).
    virtual void applyGeometry();

    // Draws the control onto any painter (a printer's, for a sheet that is
    // never shown): its rectangle in the painter's device pixels is its
    // geometry times the scale, from the origin of its container. Kinds
    // without a look of their own draw nothing.
    virtual void paintOnto(QPainter &painter, const QPointF &origin, double scaleX,
                           double scaleY) const;

    // The texts the control shows and how it lays them out; its drawing
    // follows the same layouts, so what fits here fits on the screen.
    [[nodiscard]] virtual std::vector<TextLayout> textLayouts() const { return {}; }

    // Called once the whole window is built from its design, so a control
    // can take note of the others.
    virtual void loaded() {}

    // What a screen reader is told of the control, where Qt's widget does
    // not tell it itself.
    [[nodiscard]] virtual AccessibleFacts accessibleFacts() const
    {
        AccessibleFacts facts;
        facts.fromQt = true;
        return facts;
    }

    // From now on tells the follower, through leaderMoved, of every change of
    // this control's geometry.
    void addFollower(Control &follower) { m_followers.push_back(&follower); }

    // layout::Control
    [[nodiscard]] std::optional<layout::Value> property(std::string_view name) const override;
    bool setProperty(std::string_view name, const layout::Value &value) override;
    bool move(std::span<const std::int32_t> arguments) override;
    [[nodiscard]] bool isLine() const override { return false; }

protected:
    // Kinds extend these (see Kinded) and fall back to the base for the
    // common properties.
    [[nodiscard]] virtual std::optional<QVariant> read(const QString &property) const;
    virtual bool write(const QString &property, const QVariant &value);

    // Whether the kind has a position, and a size that can be set.
    [[nodiscard]] virtual bool hasPosition() const { return widget() != nullptr; }
    [[nodiscard]] virtual bool acceptsSize() const { return hasPosition(); }

    // Makes the control's widget, the given arguments before its parent:
    // the area of its container or window.
    template <class Widget, class... Arguments> Widget *makeWidget(Arguments &&...arguments)
    {
        auto *made = new Widget(std::forward<Arguments>(arguments)..., parentArea());
        m_widget = made;
        speakFor(*made, *this);
        return made;
    }
    void setGeometryUnits(const QRectF &geometry);
    // A control this one follows was moved or resized.
    virtual void leaderMoved() {}
    // After the font or the background colour was set by name.
    virtual void fontChanged() {}
    virtual void backColorChanged() {}
    void raise(Event event);
    [[nodiscard]] QSizeF toUnits(const QSize &pixels) const;

private:
    [[nodiscard]] QWidget *parentArea() const;

    Form &m_form;
    QString m_kind;
    QString m_name;
    Control *m_container;
    QWidget *m_widget = nullptr;
    QRectF m_geometry;
    int m_tabIndex = -1;
    bool m_tabStop = true;
    std::vector<Control *> m_followers;
};

} // namespace strumkin::forms
