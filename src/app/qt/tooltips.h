// Tooltips for the buttons whose caption alone does not say what they do,
// or that share a caption with another button.
#pragma once

class QWidget;

namespace kestrova {

// Gives every listed control under `root` its tooltip; a tooltip the control
// already carries stays.
void add_tooltips(QWidget& root);

}  // namespace kestrova
