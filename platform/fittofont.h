#pragma once

class QWidget;

namespace platform {

// Forms placed control by control keep their places in the font they were
// drawn for. In a larger desktop font this grows `form` and every control in
// it by one factor, just enough that no caption of a label, button, check box,
// frame or entry box is cut; where the font fits, nothing moves. Controls that
// a layout places are left to it (their fixed sizes grow alike). Run it once,
// after the form's controls are placed.
void growToFitFont(QWidget& form);

} // namespace platform
