#include "TPelkoKest_Orbis.h"

#include "ModelNames.h"

TPelkoKest_Orbis::TPelkoKest_Orbis(const Context &context) : TOemClass(context)
{
    SetModels({ModelNames::text(ModelNames::Orbis)});
    m_companyName = QStringLiteral("Kest");
}

void TPelkoKest_Orbis::ApplyIdentity()
{
    AssignIdentity(QStringLiteral("13E50181D960E9558C1530A493AFBB8B"),
                   QStringLiteral("ni7z9KwRkN"));
}
