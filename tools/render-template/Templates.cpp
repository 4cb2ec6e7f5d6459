#include "Templates.h"

#include "resources/templates/NoticeTemplates.h"
#include "resources/templates/SettingsTemplates.h"
#include "resources/templates/ShellTemplates.h"

namespace nuro {

void RegisterTemplates(TemplateRegistry& registry)
{
    registry.Add(kTrayHostTemplate);
    registry.Add(ConfigTemplate());
    registry.Add(ExpertTemplate());
    registry.Add(AboutTemplate());
    registry.Add(SummerTemplate());
    registry.Add(kMainTemplate);
    for (const DialogTemplate& notice : NoticeTemplates())
        registry.Add(notice);
    registry.Add(kDemoTemplate);
}

} // namespace nuro
