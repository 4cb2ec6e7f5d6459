// Field lists: fields each ended by a separator ('*'); line feeds belong to no field.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace nuro {

// Field `index` of `list`; an index past the last terminated field, or a negative one, answers the
// unterminated tail after the last separator.
std::string GetField(std::string_view list, char separator, std::int32_t index);

} // namespace nuro
