#pragma once

#include <QPixmap>

class QWidget;

namespace hostapp {

// A picture of `subject` with the tool tip of `control` (a widget inside it) shown over it, as a
// person sees it while resting the mouse on the control; where the tip reaches beyond `subject`,
// the picture takes in that part of the window too. Null when the control has no tool tip.
QPixmap GrabWithToolTip(QWidget& subject, QWidget& control);

}  // namespace hostapp
