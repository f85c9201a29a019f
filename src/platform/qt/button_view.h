#pragma once

#include "convert.h"
#include "platform/appearance.h"
#include "platform/controls.h"

#include <QPushButton>

namespace velmo::qt {

// A command button whose face is exactly its colour, with a bevel, its caption
// (access key underlined) and a dotted ring when it has the focus. Painted by
// hand: a style sheet per button costs start-up time for nothing.
class FaceButton : public QPushButton {
public:
    FaceButton(const QString& caption, Colour face, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    ButtonLook look_;
};

using ButtonView = View<CommandButton, FaceButton*>;

ButtonView make_button(CommandButton& model, QWidget* window);
// Brings the button up to its model; returns whether it asked for a repaint.
bool sync_view(ButtonView& v);

} // namespace velmo::qt
