#include "TPelkoDalven.h"

#include "ModelNames.h"

TPelkoDalven::TPelkoDalven(const Context &context) : TOemClass(context)
{
    SetModels({ModelNames::text(ModelNames::PM45), ModelNames::text(ModelNames::PM46),
               ModelNames::text(ModelNames::PM47)});
    m_companyName = QStringLiteral("Dalven");
}

void TPelkoDalven::ApplyIdentity()
{
    AssignIdentity(QStringLiteral("0D1A0DC00F0E71A714A16E81C1AAD236"),
                   QStringLiteral("UBUhWRQdIA"));
}
