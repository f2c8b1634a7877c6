#include "TPelkoRuvo.h"

#include "ModelNames.h"

TPelkoRuvo::TPelkoRuvo(const Context &context) : TOemClass(context)
{
    SetModels({ModelNames::text(ModelNames::PM48), ModelNames::text(ModelNames::PM49),
               ModelNames::text(ModelNames::PM50)});
    m_companyName = QStringLiteral("Ruvo");
}

void TPelkoRuvo::ApplyIdentity()
{
    AssignIdentity(QStringLiteral("EF0B9D2993134B65AB3ADF32B1CC8FA6"),
                   QStringLiteral("kXbI8P0GwA"));
}
