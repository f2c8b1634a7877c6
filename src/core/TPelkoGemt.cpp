#include "TPelkoGemt.h"

#include "ModelNames.h"

TPelkoGemt::TPelkoGemt(const Context &context) : TOemClass(context)
{
    SetModels({ModelNames::text(ModelNames::PM51), ModelNames::text(ModelNames::PM52),
               ModelNames::text(ModelNames::PM53)});
    m_companyName = QStringLiteral("Gemt");
}

void TPelkoGemt::ApplyIdentity()
{
    AssignIdentity(QStringLiteral("F6593D1B61B4B171B2F3A9F889EEAF77"),
                   QStringLiteral("DCIb20W0tv"));
}
