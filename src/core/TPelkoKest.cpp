#include "TPelkoKest.h"

#include "ModelNames.h"

TPelkoKest::TPelkoKest(const Context &context) : TOemClass(context)
{
    SetModels({ModelNames::text(ModelNames::PM36), ModelNames::text(ModelNames::PM37)});
    m_companyName = QStringLiteral("Kest");
}

void TPelkoKest::ApplyIdentity()
{
    AssignIdentity(QStringLiteral("BAD821DF997D529975DCB6DE0703B4AB"),
                   QStringLiteral("7TpHD8BHbN"));
}
