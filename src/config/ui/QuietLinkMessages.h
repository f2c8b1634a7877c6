#pragma once

#include "LinkMessages.h"

#include <functional>

// Link messages that can be held back for one attempt. A page switch tries
// the port on the user's behalf; an unplugged printer must not greet every
// page with an error box, while every port the user opens himself still
// tells him why it failed.
class QuietLinkMessages : public LinkMessages
{
public:
    explicit QuietLinkMessages(LinkMessages &shown);

    QString text(const QString &key) const override;
    void showError(const QString &message) override;

    // Runs the attempt with every error kept from the user.
    void RunQuietly(const std::function<void()> &attempt);

private:
    LinkMessages &m_shown;
    bool m_quiet = false;
};
