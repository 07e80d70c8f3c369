// The library's format registry: the family blocks joined in the order in
// which the engine tries them.
#pragma once

#include "engine/registry.h"

namespace tavrix {

FormatTable formatRegistry();

}  // namespace tavrix
