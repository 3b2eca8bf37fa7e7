#pragma once

#include "frmponderival.h"
#include "frmponderivaldescription.h"
#include "polling.h"
#include "qtform.h"
#include "searchfixtures.h"
#include "windowpicture.h"

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <string>

using ponderival::qt::frmPonderival;

// Finding the window's controls by their object names, as a user's tools would; shared by the
// Qt window's tests and benchmarks.
namespace windowtest {

template <typename Control = QWidget>
[[nodiscard]] Control *control(const QWidget &window, const char *name)
{
    return window.findChild<Control *>(QString::fromLatin1(name));
}

[[nodiscard]] inline QString labelText(const QWidget &window, const char *name)
{
    const auto *label = control<QLabel>(window, name);
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

// cmdStop's captions, Idle and Running, as the window's description gives them.
[[nodiscard]] inline QString idleCaption()
{
    return ponderival::qt::toQString(ponderival::form::stopIdleLook.caption);
}

[[nodiscard]] inline QString runningCaption()
{
    return ponderival::qt::toQString(ponderival::form::stopRunningLook.caption);
}

// A field as a screen reader reads it: its column's heading, then its value if it has one.
[[nodiscard]] inline QString headed(std::string_view field, const QString &value = {})
{
    const auto heading =
        ponderival::form::findControl(ponderival::form::findControl(field)->heading);
    const QString name = ponderival::qt::toQString(heading->text);
    return value.isEmpty() ? name : name + u' ' + value;
}

// An answer as it is announced: the three fields with their headings.
[[nodiscard]] inline QString announcedAnswer(int total, int house, int street)
{
    return QStringList{headed("lblTot", QString::number(total)),
                       headed("lblCivico", QString::number(house)),
                       headed("lblCase", QString::number(street))}
        .join(QStringLiteral(", "));
}

// The search as the step before candidate n + 2 leaves it, set through the window's model.
inline void placeBefore(frmPonderival &window, qint64 n)
{
    searchfixtures::placeBefore(window.model(), n);
}

[[nodiscard]] inline QTimer *timer1(const QWidget &window)
{
    return window.findChild<QTimer *>(QStringLiteral("Timer1"));
}

// The colour shown just inside a control's top-left corner, clear of its text and border.
[[nodiscard]] inline QColor backgroundOf(QWidget &window, const QWidget &control)
{
    const QImage image = window.grab().toImage();
    const QPoint inside = control.geometry().topLeft() + QPoint(4, control.height() - 5);
    return image.pixelColor(inside * image.devicePixelRatio());
}

} // namespace windowtest
