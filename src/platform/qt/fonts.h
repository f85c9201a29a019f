#pragma once

#include "platform/controls.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace velmo::qt {

// The first family of the list that really has a face of the given weight
// (fontconfig answers for any name, so Qt's own match says nothing), or the
// last one as a last resort.
QString pick_family(const QStringList& wanted, int weight);

// The face of a label role, sized in pixels so the layout does not move with dpi.
QFont font_for(FontRole role);

} // namespace velmo::qt
