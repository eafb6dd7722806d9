// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/design.h"

#include "forms/button.h"
#include "forms/combobox.h"
#include "forms/container.h"
#include "forms/dirlist.h"
#include "forms/filelist.h"
#include "forms/label.h"
#include "forms/line.h"
#include "forms/menuitem.h"
#include "forms/picture.h"
#include "forms/shape.h"
#include "forms/textbox.h"
#include "forms/timer.h"
#include "forms/toggle.h"
#include "platform/fonts.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWidget>

#include <map>

namespace strumkin::forms {

namespace {

template <class Kind> ControlFactory make()
{
    return [](Form &form, const QString &kind, const QString &name, Control *container) {
        return std::make_unique<Kind>(form, kind, name, container);
    };
}

std::map<QString, ControlFactory> &kinds()
{
    static std::map<QString, ControlFactory> known{
        {QStringLiteral("label"), make<Label>()},
        {QStringLiteral("button"), make<Button>()},
        {QStringLiteral("textbox"), make<TextBox>()},
        {QStringLiteral("option"), make<Toggle>()},
        {QStringLiteral("check"), make<Toggle>()},
        {QStringLiteral("combobox"), make<ComboBox>()},
        {QStringLiteral("dirlist"), make<DirList>()},
        {QStringLiteral("filelist"), make<FileList>()},
        {QStringLiteral("picturebox"), make<Picture>()},
        {QStringLiteral("image"), make<Picture>()},
        {QStringLiteral("frame"), make<Container>()},
        {QStringLiteral("panel"), make<Container>()},
        {QStringLiteral("shape"), make<Shape>()},
        {QStringLiteral("line"), make<Line>()},
        {QStringLiteral("timer"), make<Timer>()},
    };
    return known;
}

// Structural keys of a control or menu entry; every other key is a property.
bool structural(const QString &key)
{
    return key == QLatin1String("kind") || key == QLatin1String("name") ||
           key == QLatin1String("geometry") || key == QLatin1String("font") ||
           key == QLatin1String("controls") || key == QLatin1String("items");
}

class Builder {
public:
    Builder(Form &form, QString origin) : m_form(form), m_origin(std::move(origin)) {}

    bool window(const QJsonObject &design)
    {
        static const QStringList structural{QStringLiteral("Name"), QStringLiteral("font"),
                                            QStringLiteral("menus"), QStringLiteral("controls")};
        for (auto it = design.begin(); it != design.end(); ++it) {
            const auto *property = findProperty(Form::properties(), it.key());
            if (!structural.contains(it.key()) && (property == nullptr || !property->designable()))
                return fail(QStringLiteral("unknown window property %1").arg(it.key()));
        }
        if (design.value(QLatin1String("Name")).toString() != m_form.className())
            return fail(QStringLiteral("design names another window"));
        // In the table's order, which sets sizes before the scale that
        // divides them.
        for (const auto &property : Form::properties()) {
            const QString key = property.name();
            if (property.designable() && design.contains(key) &&
                !m_form.set(key, design.value(key).toVariant()))
                return fail(QStringLiteral("window refuses %1").arg(key));
        }
        if (design.contains(QLatin1String("font")) &&
            !font(design.value(QLatin1String("font")).toObject(), m_form.clientArea(),
                  [this](const QString &k, const QVariant &v) { return m_form.set(k, v); }))
            return false;
        for (const QJsonValue &item : design.value(QLatin1String("menus")).toArray()) {
            if (!menu(item.toObject(), nullptr))
                return false;
        }
        for (const QJsonValue &item : design.value(QLatin1String("controls")).toArray()) {
            if (!control(item.toObject(), nullptr))
                return false;
        }
        return true;
    }

    QString error;

private:
    bool fail(const QString &what)
    {
        error = m_origin + QStringLiteral(": ") + what;
        return false;
    }

    template <class Set> bool font(const QJsonObject &entry, QWidget *target, Set set)
    {
        // A font of its own is complete: nothing is taken from the window's.
        const std::pair<const char *, QVariant> parts[] = {
            {"FontName", entry.value(QLatin1String("name")).toVariant()},
            {"FontSize", entry.value(QLatin1String("size")).toVariant()},
            {"FontBold", entry.value(QLatin1String("bold")).toBool(false)},
            {"FontItalic", entry.value(QLatin1String("italic")).toBool(false)},
            {"FontUnderline", entry.value(QLatin1String("underline")).toBool(false)},
        };
        for (const auto &[key, value] : parts) {
            if (!set(QLatin1String(key), value))
                return fail(QStringLiteral("font refuses %1").arg(QLatin1String(key)));
        }
        if (entry.contains(QLatin1String("weight")) &&
            !set(QStringLiteral("FontWeight"), entry.value(QLatin1String("weight")).toVariant()))
            return fail(QStringLiteral("font refuses its weight"));
        if (entry.contains(QLatin1String("charset")) &&
            !set(QStringLiteral("FontCharset"), entry.value(QLatin1String("charset")).toVariant()))
            return fail(QStringLiteral("font refuses its character set"));
        // The designed family names a stand-in, drawn with that stand-in's
        // look: the substitution itself carries only the family.
        if (target != nullptr) {
            QFont f = target->font();
            platform::fitStandIn(f);
            target->setFont(f);
        }
        return true;
    }

    bool properties(const QJsonObject &entry, Control &c)
    {
        for (auto it = entry.begin(); it != entry.end(); ++it) {
            if (structural(it.key()))
                continue;
            // A kind of another subsystem may answer to names of its own.
            const auto designable = c.designable(it.key());
            if (designable == false)
                return fail(QStringLiteral("%1 (%2): a design does not set %3")
                                .arg(c.name(), c.kind(), it.key()));
            if (!c.set(it.key(), it.value().toVariant()))
                return fail((designable ? QStringLiteral("%1 (%2) refuses %3")
                                        : QStringLiteral("%1 (%2) has no property %3"))
                                .arg(c.name(), c.kind(), it.key()));
        }
        return true;
    }

    bool unique(const QString &name)
    {
        if (name.isEmpty())
            return fail(QStringLiteral("a control without a name"));
        if (m_form.control(name) != nullptr)
            return fail(QStringLiteral("two controls named %1").arg(name));
        return true;
    }

    bool menu(const QJsonObject &entry, MenuItem *parent)
    {
        const QString name = entry.value(QLatin1String("name")).toString();
        if (!unique(name))
            return false;
        const QJsonArray items = entry.value(QLatin1String("items")).toArray();
        auto &item = static_cast<MenuItem &>(
            m_form.adopt(std::make_unique<MenuItem>(m_form, name, parent, !items.isEmpty())));
        if (!properties(entry, item))
            return false;
        for (const QJsonValue &child : items) {
            if (!menu(child.toObject(), &item))
                return false;
        }
        return true;
    }

    bool control(const QJsonObject &entry, Control *container)
    {
        const QString kind = entry.value(QLatin1String("kind")).toString();
        const QString name = entry.value(QLatin1String("name")).toString();
        const auto factory = kinds().find(kind);
        if (factory == kinds().end())
            return fail(QStringLiteral("%1 is of an unknown kind \"%2\"").arg(name, kind));
        if (!unique(name))
            return false;
        Control &c = m_form.adopt(factory->second(m_form, kind, name, container));
        if (entry.contains(QLatin1String("geometry"))) {
            const QJsonArray box = entry.value(QLatin1String("geometry")).toArray();
            static const char *const sides[] = {"Left", "Top", "Width", "Height"};
            if (box.size() != 4)
                return fail(QStringLiteral("%1 has no four-number geometry").arg(name));
            for (int i = 0; i < 4; ++i) {
                if (!c.set(QLatin1String(sides[i]), box.at(i).toVariant()))
                    return fail(
                        QStringLiteral("%1 refuses its %2").arg(name, QLatin1String(sides[i])));
            }
        }
        if (entry.contains(QLatin1String("font")) &&
            !font(entry.value(QLatin1String("font")).toObject(), c.widget(),
                  [&c](const QString &k, const QVariant &v) { return c.set(k, v); }))
            return false;
        if (!properties(entry, c))
            return false;
        const QJsonArray inner = entry.value(QLatin1String("controls")).toArray();
        if (!inner.isEmpty() && c.childArea() == nullptr)
            return fail(QStringLiteral("%1 cannot hold controls").arg(name));
        for (const QJsonValue &child : inner) {
            if (!control(child.toObject(), &c))
                return false;
        }
        return true;
    }

    Form &m_form;
    QString m_origin;
};

} // namespace

void registerKind(const QString &kind, ControlFactory factory)
{
    kinds()[kind] = std::move(factory);
}

LoadedDesign buildDesign(const QByteArray &json, const QString &className)
{
    QJsonParseError parsed{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parsed);
    if (document.isNull() || !document.isObject())
        return {nullptr, className + QStringLiteral(": ") + parsed.errorString()};
    auto form = std::make_unique<Form>(className);
    Builder builder(*form, className);
    if (!builder.window(document.object()))
        return {nullptr, builder.error};
    form->finishLoad();
    return {std::move(form), {}};
}

LoadedDesign loadDesign(const QString &className)
{
    QFile file(QStringLiteral(":/forms/%1.json").arg(className));
    if (!file.open(QIODevice::ReadOnly))
        return {nullptr, className + QStringLiteral(": no design")};
    return buildDesign(file.readAll(), className);
}

QStringList designNames()
{
    QStringList names;
    for (const QString &file :
         QDir(QStringLiteral(":/forms")).entryList({QStringLiteral("*.json")}))
        names << file.chopped(5);
    return names;
}

} // namespace strumkin::forms
