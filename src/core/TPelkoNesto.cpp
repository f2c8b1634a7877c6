#include "TPelkoNesto.h"

#include "ModelNames.h"

TPelkoNesto::TPelkoNesto(const Context &context) : TOemClass(context)
{
    SetModels({ModelNames::text(ModelNames::PM41), ModelNames::text(ModelNames::PM42)});
    m_companyName = QStringLiteral("Nesto");
}

void TPelkoNesto::ApplyIdentity()
{
    AssignIdentity(QStringLiteral("7F4590641E1F037860CF29AE36563D8B"),
                   QStringLiteral("LHmAuMe57l"));
}
