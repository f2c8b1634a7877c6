#include "PelkoPpl_Vasko_PM44ProFull.h"

PelkoPpl_Vasko_PM44ProFull::PelkoPpl_Vasko_PM44ProFull(const Context &context) : TOemClass(context)
{
    m_switches.A = 1;
    m_switches.B = 1;
    m_switches.E = 1;
    m_languageIds = QStringLiteral("2052,1028,1033,1034,1049");
    // Debug runs also offer the languages still in translation, each marked
    // with its id.
    m_languageNames =
        context.debugMode
            ? NamesOf((m_languageIds + QStringLiteral(",1041,1036")).split(u','), true)
            : NamesOf(m_languageIds.split(u','));
    m_switches.F = 1;
    m_switches.G = 1;
    m_modelSet = QStringLiteral(",PM01,PM02,PM03,PM04,");
    m_switches.H = 1;
    m_switches.I = 1;
    m_switches.J = 1;
    m_versionText = QStringLiteral("V1.0.0.0");
    m_logoPicture = QStringLiteral("SorelPic.png");
    m_switches.K = 1;
    m_switches.L = 0;
    m_titles[0] = Title(1, QStringLiteral("Printer Utility"));
    m_titles[1] = Title(1, QStringLiteral("Printer Utility"));
}

void PelkoPpl_Vasko_PM44ProFull::ApplyIdentity()
{
    AssignIdentity(QStringLiteral("A84BBA07931DB925306A0799DC6EBD71"),
                   QStringLiteral("8VKqxryo1n"));
}
