#include "core/FieldList.h"

namespace nuro {

std::string GetField(std::string_view list, char separator, std::int32_t index)
{
    std::string field;
    std::int32_t counter = 0;
    for (char c : list) {
        if (c == '\0')
            break;
        if (c == '\n')
            continue;
        if (c == separator) {
            if (counter == index)
                return field;
            field.clear();
            ++counter;
            continue;
        }
        field.push_back(c);
    }
    return field;
}

} // namespace nuro
