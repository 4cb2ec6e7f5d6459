// Templates 2 to 6: the settings dialogs, the About box and the Sounds dialog.
#pragma once

#include "resources/DialogTemplate.h"

namespace nuro {

inline constexpr int kConfigTemplateId = 2;
inline constexpr int kExpertTemplateId = 3;
inline constexpr int kAboutTemplateId = 4;
inline constexpr int kSummerTemplateId = 5;
inline constexpr int kSoundsTemplateId = 6;

const DialogTemplate& ConfigTemplate();
const DialogTemplate& ExpertTemplate();
const DialogTemplate& AboutTemplate();
const DialogTemplate& SummerTemplate();
const DialogTemplate& SoundsTemplate();

} // namespace nuro
