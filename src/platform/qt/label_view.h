#pragma once

#include "convert.h"
#include "platform/controls.h"

class QLabel;
class QWidget;

namespace velmo::qt {

using LabelView = View<Label, QLabel*>;

// A plain-text label in its role's face, on the window.
LabelView make_label(Label& model, QWidget* window);
// Brings the label up to its model; returns whether it asked for a repaint.
bool sync_view(LabelView& v);

} // namespace velmo::qt
