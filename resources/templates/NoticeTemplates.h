// The five prayer notice templates (800 Fajer, 801 Dhohur, 803 Aser, 804 Maghereb, 805 Isha).
#pragma once

#include "resources/DialogTemplate.h"

#include <span>

namespace nuro {

std::span<const DialogTemplate> NoticeTemplates();
// nullptr for any other id (there is no 802: Shuroq has no notice).
const DialogTemplate* FindNoticeTemplate(int id);

} // namespace nuro
