#include "Templates.h"

namespace nuro {

// Subsystems add their templates here (and link their library in CMakeLists.txt).
void RegisterTemplates(TemplateRegistry& registry)
{
    registry.Add(kDemoTemplate);
}

} // namespace nuro
