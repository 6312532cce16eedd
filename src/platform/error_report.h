#pragma once

#include <functional>
#include <string>

namespace quillory {

class Interaction;

// Runs a window's command; a failure it ends with goes to the shared error report under the
// command's operation name.
void RunReported(Interaction& ui, const std::string& operation,
                 const std::function<void()>& command);

}  // namespace quillory
