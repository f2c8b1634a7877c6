#include "TPelkoLumio.h"

#include "ModelNames.h"

TPelkoLumio::TPelkoLumio(const Context &context) : TOemClass(context)
{
    SetModels({ModelNames::text(ModelNames::PM38), ModelNames::text(ModelNames::PM29)});
    m_companyName = QStringLiteral("Lumio");
}

void TPelkoLumio::ApplyIdentity()
{
    AssignIdentity(QStringLiteral("80FAC27CD8995EFEBA9032050D09C589"),
                   QStringLiteral("fkbSh2Cde2"));
}
