#include "TPelkoPelko.h"

#include "ModelNames.h"

TPelkoPelko::TPelkoPelko(const Context &context) : TOemClass(context)
{
    SetModels({ModelNames::text(ModelNames::PM31), ModelNames::text(ModelNames::PM32),
               ModelNames::text(ModelNames::PM33)});
    m_companyName = QStringLiteral("Pelko");
}

void TPelkoPelko::ApplyIdentity()
{
    AssignIdentity(QStringLiteral("4D1C0ACB3DEA13519A60A077BBD14288"),
                   QStringLiteral("aNUDqN9Nif"));
}
