// Zones from the system tz database through QTimeZone (Qt's own reader of /usr/share/zoneinfo); the
// C++20 zones of std::chrono are missing from GCC 12's library.
#include "core/ZoneRules.h"

#include "core/ZoneNames.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QTimeZone>

namespace nuro {
namespace {

bool Usable(const std::string& zone)
{
    return IsListedZoneName(zone) && ZoneFileIsRegular(zone);
}

class QtZoneRules final : public ZoneRules {
public:
    // Only names the tz database lists, and only when their file is a regular one: QTimeZone takes
    // any other text as a path below the database, or as a POSIX rule ("Tunis" would be UTC).
    bool Known(const std::string& zone) const override
    {
        return Usable(zone) && QTimeZone(QByteArray::fromStdString(zone)).isValid();
    }

    std::string SystemZone() const override
    {
        const QByteArray id = QTimeZone::systemTimeZoneId();
        return id.isEmpty() ? std::string("UTC") : id.toStdString();
    }

    std::int32_t OffsetAt(const std::string& zone, std::int64_t utcSeconds) const override
    {
        if (!Usable(zone))
            return 0;
        const QTimeZone tz(QByteArray::fromStdString(zone));
        if (!tz.isValid())
            return 0;
        return tz.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC));
    }

    std::string Country(const std::string& zone) const override
    {
        if (!Usable(zone))
            return {};
        const QTimeZone tz(QByteArray::fromStdString(zone));
        if (!tz.isValid() || tz.territory() == QLocale::AnyTerritory)
            return {};
        return QLocale::territoryToCode(tz.territory()).toStdString();
    }
};

} // namespace

const ZoneRules& SystemZoneRules()
{
    static const ZoneRules* rules = new QtZoneRules;
    return *rules;
}

} // namespace nuro
