#pragma once

#include <QIcon>

namespace vantorel {

// The program's icon (the drawing of desktop/vantorel-control-center.svg,
// painted so that no SVG support is needed at run time).
QIcon applicationIcon();

} // namespace vantorel
