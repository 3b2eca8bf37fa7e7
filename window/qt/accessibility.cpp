#include "accessibility.h"

#include "accessibleinterfaces.h"
#include "announcer.h"
#include "formcontrols.h"
#include "frmponderivaldescription.h"
#include "qtform.h"

#include <QLabel>
#include <QPushButton>

namespace ponderival::qt {

namespace {

QAccessibleInterface *createAccessible(const QString & /*className*/, QObject *object)
{
    if (object == nullptr) {
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
    if (name == toQString(form::window.name)) {
        return new AccessibleWindow(widget);
    }
    const auto control = form::findControl(name.toStdString());
    auto *label = qobject_cast<QLabel *>(widget);
    return control && !control->heading.empty() && label ? new AccessibleField(label) : nullptr;
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

Announcer *attachAnnouncer(QWidget &window, const FormControls &controls, const QTimer &timer1)
{
    Announcer::Fields fields{};
    std::size_t next = 0;
    for (std::size_t index = 0; index < form::controls.size(); ++index) {
        const std::string_view heading = form::controls.at(index).heading;
        if (!heading.empty() && next < fields.size()) {
            fields.at(next) = &controls.label(index);
            // A label with a name of its own sends no event when its text changes: the Announcer
            // sends them, paced.
            fields.at(next++)->setAccessibleName(
                toQString(form::findControl(heading).value().text));
        }
    }
    return new Announcer(window, fields, controls.button(form::indexOf("cmdStop")), timer1);
}

} // namespace ponderival::qt
