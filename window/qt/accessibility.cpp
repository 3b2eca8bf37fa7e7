#include "accessibility.h"

#include "accessibleinterfaces.h"
#include "frmponderivaldescription.h"
#include "panel.h"
#include "qtform.h"
#include "statusarea.h"

#include <QLabel>

namespace ponderival::qt {

namespace {

QAccessibleInterface *createAccessible(const QString & /*className*/, QObject *object)
{
    if (object == nullptr) {
        return nullptr;
    }
    const QString name = object->objectName();
    if (name == QLatin1StringView(StatusArea::areaName)) {
        return new AccessibleNode(object, QAccessible::StatusBar);
    }
    if (name == QLatin1StringView(StatusArea::noticeName)) {
        return new AccessibleNode(object, QAccessible::Notification);
    }
    if (!object->isWidgetType()) {
        return nullptr;
    }
    auto *widget = static_cast<QWidget *>(object);
    if (name == toQString(form::window.name)) {
        return new AccessibleWindow(widget);
    }
    const auto index = form::controlIndex(name.toStdString());
    const auto field = index ? fieldAt(*index) : std::nullopt;
    auto *label = qobject_cast<QLabel *>(widget);
    return field && label && !form::controls.at(*index).heading.empty()
               ? new AccessibleField(label, *field)
               : nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(createAccessible);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace ponderival::qt
