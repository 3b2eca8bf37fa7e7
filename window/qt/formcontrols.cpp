#include "formcontrols.h"

#include "colourbutton.h"
#include "qtform.h"

#include <QFrame>
#include <QLabel>
#include <QPalette>

namespace ponderival::qt {

namespace {

using form::Control;
using form::ControlKind;

// Named before anything else is set, so that the control's accessible interface, which Qt makes
// at its first change and keeps, is the one meant for it.
template <typename Widget> Widget *create(const Control &control, QWidget &window)
{
    auto *widget = new Widget(&window);
    widget->setObjectName(toQString(control.name));
    return widget;
}

QWidget *makeLabel(const Control &control, QWidget &window)
{
    auto *label = create<QLabel>(control, window);
    label->setTextFormat(Qt::PlainText);
    label->setText(toQString(control.text));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(control.wordWrap);
    // A filled label covers all it stands on, so Qt repaints nothing beneath when its text
    // changes; the fields change a hundred times a second.
    label->setAutoFillBackground(control.fill == form::Fill::Colour ||
                                 control.fill == form::Fill::WindowFace);
    if (control.fill == form::Fill::Colour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, toQColor(control.background));
        label->setPalette(palette);
    }
    return label;
}

QWidget *makeButton(const Control &control, QWidget &window)
{
    QPushButton *button = nullptr;
    if (control.fill == form::Fill::Colour) {
        auto *coloured = create<ColourButton>(control, window);
        coloured->setBackgroundColour(toQColor(control.background));
        button = coloured;
    } else {
        button = create<QPushButton>(control, window);
    }
    button->setText(toQString(control.text));
    // Enter presses the focused button, and only that one, as Space does.
    button->setAutoDefault(form::takesFocus(control));
    button->setFocusPolicy(form::takesFocus(control) ? Qt::StrongFocus : Qt::NoFocus);
    return button;
}

QWidget *makeOutline(const Control &control, QWidget &window)
{
    auto *frame = create<QFrame>(control, window);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Plain);
    frame->setLineWidth(1);
    return frame;
}

QWidget *makeControl(const Control &control, QWidget &window)
{
    switch (control.kind) {
    case ControlKind::Label:
        return makeLabel(control, window);
    case ControlKind::Button:
        return makeButton(control, window);
    case ControlKind::Shape:
        return makeOutline(control, window);
    }
    return nullptr;
}

} // namespace

FormControls::FormControls(QWidget &window)
{
    // Named before any child exists, so that the window's accessible interface is its own.
    window.setObjectName(toQString(form::window.name));
    window.setWindowTitle(toQString(form::window.caption));
    window.setAccessibleName(toQString(form::window.accessibleName));
    window.setFixedSize(form::pixels(form::window.width), form::pixels(form::window.height));
    for (const std::size_t index : form::readingOrder) {
        const Control &control = form::controls.at(index);
        QWidget *widget = makeControl(control, window);
        widget->setGeometry(toQRect(control.place));
        widget->setFont(toQFont(control.font));
        widget->setAccessibleName(toQString(control.accessibleName));
        widget->setHidden(!control.visible);
        m_widgets.at(index) = widget;
    }
    QWidget *previous = nullptr;
    for (std::size_t index = 0; index < form::controls.size(); ++index) {
        if (form::takesFocus(form::controls.at(index))) {
            if (previous != nullptr) {
                QWidget::setTabOrder(previous, m_widgets.at(index));
            }
            previous = m_widgets.at(index);
        }
    }
}

QLabel &FormControls::label(std::size_t index) const
{
    return *qobject_cast<QLabel *>(m_widgets.at(index));
}

QPushButton &FormControls::button(std::size_t index) const
{
    return *qobject_cast<QPushButton *>(m_widgets.at(index));
}

ColourButton &FormControls::colourButton(std::size_t index) const
{
    return *qobject_cast<ColourButton *>(m_widgets.at(index));
}

} // namespace ponderival::qt
