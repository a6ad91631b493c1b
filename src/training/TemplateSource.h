#pragma once

#include "generation/GenerationDriver.h"

#include <functional>

namespace kelvo {

// Where the drill takes its question kind from: the main window passes its
// operand panel's current templates.
using TemplateSource = std::function<TemplateList()>;

} // namespace kelvo
