// A build without Qt has no tz database reader: every zone is unknown and the computer's is UTC, so
// automatic mode reports the unknown zone instead of guessing.
#include "core/ZoneRules.h"

namespace nuro {
namespace {

class NoZoneRules final : public ZoneRules {
public:
    bool Known(const std::string& zone) const override { return zone == "UTC"; }
    std::string SystemZone() const override { return "UTC"; }
    std::int32_t OffsetAt(const std::string&, std::int64_t) const override { return 0; }
};

} // namespace

const ZoneRules& SystemZoneRules()
{
    static const ZoneRules* rules = new NoZoneRules;
    return *rules;
}

} // namespace nuro
