#include "TPelkoFaxoNeutral.h"

#include "ModelNames.h"

TPelkoFaxoNeutral::TPelkoFaxoNeutral(const Context &context) : TOemClass(context)
{
    SetModels({ModelNames::text(ModelNames::PM57), ModelNames::text(ModelNames::PM58),
               ModelNames::text(ModelNames::PM59), ModelNames::text(ModelNames::PM60),
               ModelNames::text(ModelNames::PM61)});
}

void TPelkoFaxoNeutral::ApplyIdentity()
{
    AssignIdentity(QStringLiteral("7C3A0579F09222A2BED27A584D21B54F"),
                   QStringLiteral("uq3sXRo5Qh"));
}
