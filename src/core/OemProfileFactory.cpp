#include "OemProfileFactory.h"

#include "PelkoPpl_Vasko_PM44ProFull.h"
#include "TPelkoDalven.h"
#include "TPelkoFaxoNeutral.h"
#include "TPelkoGemt.h"
#include "TPelkoKest.h"
#include "TPelkoKest_Orbis.h"
#include "TPelkoLumio.h"
#include "TPelkoNesto.h"
#include "TPelkoPelko.h"
#include "TPelkoProject01.h"
#include "TPelkoRuvo.h"
#include "TPelkoSorel.h"
#include "TPelkoTamsa.h"
#include "TPelkoTessa.h"

#include <array>

namespace
{

using Maker = std::unique_ptr<TOemClass> (*)(const TOemClass::Context &);

template <typename Profile> std::unique_ptr<TOemClass> make(const TOemClass::Context &context)
{
    return std::make_unique<Profile>(context);
}

struct Row {
    const char16_t *toolType;
    const char16_t *oemCo;
    Maker maker;
};

constexpr std::array kRows{
    Row{u"PelkoPpl", u"PelkoPpl_Vasko_PM44ProFull", make<PelkoPpl_Vasko_PM44ProFull>},
    Row{u"Pelko", u"Pelko_Pelko", make<TPelkoPelko>},
    Row{u"Pelko", u"Pelko_Tessa", make<TPelkoTessa>},
    Row{u"Pelko", u"Pelko_Kest", make<TPelkoKest>},
    Row{u"Pelko", u"Pelko_Kest_Orbis", make<TPelkoKest_Orbis>},
    Row{u"Pelko", u"Pelko_Lumio", make<TPelkoLumio>},
    Row{u"Pelko", u"Pelko_PROJECT", make<TPelkoProject01>},
    Row{u"Pelko", u"Pelko_Nesto", make<TPelkoNesto>},
    Row{u"Pelko", u"Pelko_Tamsa", make<TPelkoTamsa>},
    Row{u"Pelko", u"Pelko_PM30", make<TPelkoTamsa>},
    Row{u"Pelko", u"Pelko_Dalven", make<TPelkoDalven>},
    Row{u"Pelko", u"Pelko_Ruvo", make<TPelkoRuvo>},
    Row{u"Pelko", u"Pelko_Gemt", make<TPelkoGemt>},
    Row{u"Pelko", u"Pelko_Sorel", make<TPelkoSorel>},
    Row{u"Pelko", u"Pelko_Faxo_Neutral", make<TPelkoFaxoNeutral>},
};

Maker makerFor(const QString &toolType, const QString &oemCo)
{
    for (const Row &row : kRows) {
        if (toolType == QStringView(row.toolType) && oemCo == QStringView(row.oemCo))
            return row.maker;
    }
    return make<TOemClass>;
}

} // namespace

std::unique_ptr<TOemClass> OemProfileFactory::Create(const QString &toolType, const QString &oemCo,
                                                     const TOemClass::Context &context)
{
    auto profile = makerFor(toolType, oemCo)(context);
    profile->SetSelection(toolType, oemCo);
    profile->ApplyIdentity();
    return profile;
}
