#include "TPelkoProject01.h"

#include "ModelNames.h"

TPelkoProject01::TPelkoProject01(const Context &context) : TOemClass(context)
{
    SetModels({ModelNames::text(ModelNames::PM39), ModelNames::text(ModelNames::PM40)});
    m_companyName = QStringLiteral("Pelko");
}

void TPelkoProject01::ApplyIdentity()
{
    AssignIdentity(QStringLiteral("B47FA42F93CEAF2FFBF3E0B6E9ABA45E"),
                   QStringLiteral("CJ23VmCwyk"));
}
