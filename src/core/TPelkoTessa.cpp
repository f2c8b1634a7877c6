#include "TPelkoTessa.h"

#include "ModelNames.h"

TPelkoTessa::TPelkoTessa(const Context &context) : TOemClass(context)
{
    SetModels({ModelNames::text(ModelNames::PM34), ModelNames::text(ModelNames::PM35)});
    m_companyName = QStringLiteral("Tessa");
}

void TPelkoTessa::ApplyIdentity()
{
    AssignIdentity(QStringLiteral("7ABEEC12975FD55911EA2CBD390B656A"),
                   QStringLiteral("j64AX6VM2e"));
}
