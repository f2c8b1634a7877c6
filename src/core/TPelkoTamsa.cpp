#include "TPelkoTamsa.h"

#include "ModelNames.h"

TPelkoTamsa::TPelkoTamsa(const Context &context) : TOemClass(context)
{
    SetModels({ModelNames::text(ModelNames::PM30), ModelNames::text(ModelNames::PM43)});
    m_companyName = QStringLiteral("Tamsa");
}

void TPelkoTamsa::ApplyIdentity()
{
    AssignIdentity(QStringLiteral("A43A846EB31E7EA468C6414CE9DA201E"),
                   QStringLiteral("L8Sby90WIJ"));
}
