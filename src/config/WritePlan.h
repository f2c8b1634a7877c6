#pragma once

#include <QString>

#include <optional>
#include <vector>

class ConfigModel;

// The commands a write sends, worked out from the model before the port is
// opened, so a field without the number it needs stops the write before
// anything reaches the printer.
class WritePlan
{
public:
    struct Command {
        enum class Kind {
            Set,      // setval, capitals lowered
            SetExact, // setval, value as it is
            // asks for the version, then sends sns_lock when the version
            // knows it and the value is not null
            SetIfVersionKnowsLock,
        };
        Kind kind;
        QString parameter;
        QString value;

        bool operator==(const Command &) const = default;
    };
    // The first field that holds no number where one is needed.
    struct Problem {
        QString key;
        QString text;
    };

    // The configuration pages, in the order of the set button.
    static WritePlan Pages(const ConfigModel &model, bool serviceMode);
    // The Z page's four values.
    static WritePlan ZPage(const ConfigModel &model);

    const std::vector<Command> &commands() const { return m_commands; }
    const std::optional<Problem> &problem() const { return m_problem; }

private:
    explicit WritePlan(const ConfigModel &model) : m_model(model) {}

    void addFields(std::initializer_list<const char *> keys);
    void addField(const QString &key);
    void addAddresses(std::initializer_list<const char *> parameters);
    void addAddress(const QString &parameter);
    bool holdsNumber(const QString &key, const QString &text);

    const ConfigModel &m_model;
    std::vector<Command> m_commands;
    std::optional<Problem> m_problem;
};
