#include "TFTNClass.h"

#include "CapabilityTable.h"

void TFTNClass::Recalc()
{
    m_isRibbon = CapabilityTable::IsListed(QStringLiteral("FTNNo_IsRibbon"), m_model);
    m_isScreenFile = CapabilityTable::IsListed(QStringLiteral("FTNNo_IsScreenFile"), m_model);
}

void TFTNClass::SetModel(const QString &model)
{
    m_model = model;
    Recalc();
}
