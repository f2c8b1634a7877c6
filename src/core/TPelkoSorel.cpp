#include "TPelkoSorel.h"

#include "ModelNames.h"

TPelkoSorel::TPelkoSorel(const Context &context) : TOemClass(context)
{
    SetModels({ModelNames::text(ModelNames::PM54), ModelNames::text(ModelNames::PM55),
               ModelNames::text(ModelNames::PM56)});
    m_companyName = QStringLiteral("Sorel");
}

void TPelkoSorel::ApplyIdentity()
{
    AssignIdentity(QStringLiteral("4496E0ED7AFCEAA86DC3F3464849A845"),
                   QStringLiteral("Bd0YG5KE7X"));
}
