#pragma once

#include <functional>

class QWidget;

namespace quillory {

// Runs step whenever the user moves to the window from another window of this program. It
// does not run when one of the window's own boxes (a message, an input box, a file dialog)
// closes and hands the activation back, nor when the user comes back from another program.
void OnActivationFromOurWindow(QWidget& window, std::function<void()> step);

}  // namespace quillory
