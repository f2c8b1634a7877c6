#include "QuietLinkMessages.h"

QuietLinkMessages::QuietLinkMessages(LinkMessages &shown) : m_shown(shown) {}

QString QuietLinkMessages::text(const QString &key) const
{
    return m_shown.text(key);
}

void QuietLinkMessages::showError(const QString &message)
{
    if (!m_quiet)
        m_shown.showError(message);
}

void QuietLinkMessages::RunQuietly(const std::function<void()> &attempt)
{
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    attempt();
    m_quiet = wasQuiet;
}
