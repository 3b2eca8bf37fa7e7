#include "accessiblefactory.h"

#include "accessiblefield.h"
#include "accessiblenode.h"
#include "accessiblewindow.h"
#include "announcer.h"

#include <QLabel>
#include <QWidget>

#include <array>
#include <utility>

namespace {

// Each value field and the heading above its column.
constexpr std::array<std::pair<const char *, const char *>, 3> headings{{
    {"lblTot", "Label1"},
    {"lblCivico", "Label2"},
    {"lblCase", "Label3"},
}};

QAccessibleInterface *createField(QWidget *widget)
{
    auto *field = qobject_cast<QLabel *>(widget);
    QWidget *window = widget->parentWidget();
    if (!field || !window) {
        return nullptr;
    }
    for (const auto &[fieldName, headingName] : headings) {
        if (widget->objectName() == QLatin1StringView(fieldName)) {
            const auto *heading = window->findChild<QLabel *>(QLatin1StringView(headingName),
                                                              Qt::FindDirectChildrenOnly);
            return heading ? new AccessibleField(field, *heading) : nullptr;
        }
    }
    return nullptr;
}

QAccessibleInterface *createAccessible(const QString & /*className*/, QObject *object)
{
    if (!object) {
        return nullptr;
    }
    const QString name = object->objectName();
    if (name == QLatin1StringView(Announcer::statusAreaName)) {
        return new AccessibleNode(object, QAccessible::StatusBar);
    }
    if (name == QLatin1StringView(Announcer::noticeName)) {
        return new AccessibleNode(object, QAccessible::Notification);
    }
    if (!object->isWidgetType()) {
        return nullptr;
    }
    auto *widget = static_cast<QWidget *>(object);
    if (name == QLatin1StringView("frmPonderival")) {
        return new AccessibleWindow(widget);
    }
    return createField(widget);
}

bool &plainAccessibility()
{
    static bool plain = false;
    return plain;
}

} // namespace

void keepQtAccessibility()
{
    plainAccessibility() = true;
}

void installAccessibleFactory()
{
    static const bool installed = [] {
        if (plainAccessibility()) {
            return false;
        }
        QAccessible::installFactory(createAccessible);
        return true;
    }();
    static_cast<void>(installed);
}

void attachAnnouncer(QWidget &window)
{
    if (!plainAccessibility()) {
        new Announcer(window);
    }
}
