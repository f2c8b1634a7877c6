#include "ModelNames.h"

#include <array>
#include <utility>

namespace
{
struct Entry {
    ModelNames::Id id;
    const char16_t *name;
    const char16_t *fallback; // for kinds other than 0 and 2
};

constexpr std::array kEntries{
    Entry{ModelNames::PM29, u"PM29", nullptr},
    Entry{ModelNames::PM30, u"PM30", nullptr},
    Entry{ModelNames::PM31, u"PM31", u"PM12"},
    Entry{ModelNames::PM32, u"PM32", u"PM12"},
    Entry{ModelNames::PM33, u"PM33", u"PM15"},
    Entry{ModelNames::PM34, u"PM34", nullptr},
    Entry{ModelNames::PM35, u"PM35", nullptr},
    Entry{ModelNames::PM36, u"PM36", nullptr},
    Entry{ModelNames::PM37, u"PM37", nullptr},
    Entry{ModelNames::PM38, u"PM38", nullptr},
    Entry{ModelNames::Orbis, u"Orbis", nullptr},
    Entry{ModelNames::PM39, u"PM39", nullptr},
    Entry{ModelNames::PM40, u"PM40", nullptr},
    Entry{ModelNames::PM41, u"PM41", nullptr},
    Entry{ModelNames::PM42, u"PM42", nullptr},
    Entry{ModelNames::PM43, u"PM43", nullptr},
    Entry{ModelNames::PM44ProFull, u"PM44PRO FULL", nullptr},
    Entry{ModelNames::PM44Pro, u"PM44PRO", nullptr},
    Entry{ModelNames::PM45, u"PM45", nullptr},
    Entry{ModelNames::PM46, u"PM46", nullptr},
    Entry{ModelNames::PM47, u"PM47", nullptr},
    Entry{ModelNames::PM48, u"PM48", nullptr},
    Entry{ModelNames::PM49, u"PM49", nullptr},
    Entry{ModelNames::PM50, u"PM50", nullptr},
    Entry{ModelNames::PM51, u"PM51", nullptr},
    Entry{ModelNames::PM52, u"PM52", nullptr},
    Entry{ModelNames::PM53, u"PM53", nullptr},
    Entry{ModelNames::PM54, u"PM54", nullptr},
    Entry{ModelNames::PM55, u"PM55", nullptr},
    Entry{ModelNames::PM56, u"PM56", nullptr},
    Entry{ModelNames::PM57, u"PM57", nullptr},
    Entry{ModelNames::PM58, u"PM58", nullptr},
    Entry{ModelNames::PM59, u"PM59", nullptr},
    Entry{ModelNames::PM60, u"PM60", nullptr},
    Entry{ModelNames::PM61, u"PM61", nullptr},
    Entry{ModelNames::FeaturePM40, u"PM40", nullptr},
    Entry{ModelNames::FeaturePM41, u"PM41", nullptr},
    Entry{ModelNames::FeaturePM44ProFull, u"PM44PRO FULL", nullptr},
    Entry{ModelNames::FeaturePM44Pro, u"PM44PRO", nullptr},
};

static_assert(kEntries.size() == ModelNames::FeaturePM44Pro + 1, "one entry per constant");

constexpr bool entriesFollowTheIds()
{
    for (std::size_t i = 0; i < kEntries.size(); ++i) {
        if (kEntries[i].id != static_cast<ModelNames::Id>(i))
            return false;
    }
    return true;
}
static_assert(entriesFollowTheIds(), "entries in the order of the ids");
} // namespace

QString ModelNames::text(Id id)
{
    return QString::fromUtf16(kEntries[id].name);
}

QString ModelNames::text(Id id, int kind, const QString &given)
{
    if (kind == 0 || !kEntries[id].fallback)
        return text(id);
    if (kind == 2)
        return given;
    return QString::fromUtf16(kEntries[id].fallback);
}
