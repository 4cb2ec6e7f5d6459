// Templates 2 to 5: the settings dialogs and the About box.
#pragma once

#include "resources/DialogTemplate.h"

namespace nuro {

inline constexpr int kConfigTemplateId = 2;
inline constexpr int kExpertTemplateId = 3;
inline constexpr int kAboutTemplateId = 4;
inline constexpr int kSummerTemplateId = 5;

const DialogTemplate& ConfigTemplate();
const DialogTemplate& ExpertTemplate();
const DialogTemplate& AboutTemplate();
const DialogTemplate& SummerTemplate();

} // namespace nuro
