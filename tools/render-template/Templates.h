// Every template the render tool knows.
#pragma once

#include "platform/TemplateRegistry.h"

namespace nuro {

// Template 990: one control of every kind, for reviewing the builder.
extern const DialogTemplate kDemoTemplate;

void RegisterTemplates(TemplateRegistry& registry);

} // namespace nuro
