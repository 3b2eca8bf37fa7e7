#include "formcontrols.h"

#include "accessibleinterfaces.h"
#include "colourbutton.h"
#include "narrator.h"
#include "qtform.h"

#include <QFrame>
#include <QLabel>
#include <QPalette>

namespace ponderival::qt {

namespace {

using form::Control;
using form::ControlKind;

// cmdStop changes its face while the program runs, so it is one of the coloured buttons.
static_assert(form::cmdStop.control().kind == ControlKind::Button &&
              form::cmdStop.control().fill == form::Fill::Colour);

// Named after its control, which is how tools, tests and a screen reader find it.
template <typename Widget> Widget *create(const Control &control, QWidget &window)
{
    auto *widget = new Widget(&window);
    widget->setObjectName(toQString(control.name));
    return widget;
}

QLabel *makeLabel(form::ControlId id, QWidget &window)
{
    const Control &control = id.control();
    auto *label = create<QLabel>(control, window);
    // Before its first text, at which Qt makes its accessible interface.
    if (const auto field = fieldAt(id); field && isSeen(*field)) {
        markSeenField(*label, *field);
    }
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
        palette.setColor(QPalette::WindowText,
                         toQColor(readableOn(control.background,
                                             toColour(palette.color(QPalette::WindowText)))));
        label->setPalette(palette);
    }
    return label;
}

// Enter presses the focused button, and only that one, as Space does.
template <typename Button> Button *makeButton(const Control &control, QWidget &window)
{
    auto *button = create<Button>(control, window);
    button->setText(toQString(control.text));
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

} // namespace

FormControls::FormControls(QWidget &window)
{
    // Qt keeps the first accessible interface it makes for an object: the window's own are there
    // before any control exists, and the window is named before it has one.
    installAccessibleInterfaces();
    window.setObjectName(toQString(form::window.name));
    window.setWindowTitle(toQString(form::window.caption));
    window.setAccessibleName(toQString(form::window.accessibleName));
    window.setFixedSize(form::pixels(form::window.width), form::pixels(form::window.height));
    std::array<QWidget *, form::controls.size()> widgets{};
    for (const std::size_t index : form::readingOrder) {
        const form::ControlId id = form::ControlId::at(index).value();
        const Control &control = id.control();
        QWidget *widget = makeControl(id, window);
        widget->setGeometry(toQRect(control.place));
        widget->setFont(toQFont(control.font));
        if (!control.accessibleName.empty()) {
            widget->setAccessibleName(toQString(control.accessibleName));
        }
        widget->setHidden(!control.visible);
        widgets.at(index) = widget;
    }
    QWidget *previous = nullptr;
    for (std::size_t index = 0; index < form::controls.size(); ++index) {
        if (form::takesFocus(form::controls.at(index))) {
            if (previous != nullptr) {
                QWidget::setTabOrder(previous, widgets.at(index));
            }
            previous = widgets.at(index);
        }
    }
}

QWidget *FormControls::makeControl(form::ControlId id, QWidget &window)
{
    const Control &control = id.control();
    switch (control.kind) {
    case ControlKind::Field: {
        QLabel *label = makeLabel(id, window);
        m_fields.at(static_cast<std::size_t>(fieldAt(id).value())) = label;
        return label;
    }
    case ControlKind::Label:
        return makeLabel(id, window);
    case ControlKind::Button: {
        QPushButton *button = nullptr;
        if (control.fill == form::Fill::Colour) {
            auto *coloured = makeButton<ColourButton>(control, window);
            coloured->setBackgroundColour(toQColor(control.background));
            m_cmdStop = id == form::cmdStop ? coloured : m_cmdStop;
            button = coloured;
        } else {
            button = makeButton<QPushButton>(control, window);
        }
        m_buttons.emplace_back(id, button);
        return button;
    }
    case ControlKind::Shape:
        return makeOutline(control, window);
    }
    return nullptr;
}

} // namespace ponderival::qt
