#include "PrtUtil.h"

#include "ModelNames.h"

#include <CLI/CLI.hpp>

#include <ostream>
#include <string>
#include <vector>

namespace
{

// Users type names as the printer lists them; the frames want them quoted.
QString quotedName(const std::string &name)
{
    const QString text = QString::fromStdString(name);
    if (text.size() >= 2 && text.startsWith('"') && text.endsWith('"'))
        return text;
    return '"' + text + '"';
}

} // namespace

PrtUtil::PrtUtil(PrinterApi &api, Sleeper &sleeper, std::ostream &out, std::ostream &err,
                 const QString &languageFile)
    : m_messages(languageFile), m_report(err), m_link(api, sleeper, m_messages), m_protocol(m_link),
      m_config(m_link, m_protocol, m_messages, m_report, out), m_out(out), m_err(err)
{
}

int PrtUtil::run(int argc, char **argv)
{
    CLI::App app{"Reads, sets and runs functions of a label printer, and reads or writes all its "
                 "settings as parameter files."};
    app.require_subcommand(1);
    std::string port = "USB";
    app.add_option("--port", port,
                   "Port descriptor: USB, SIM (the built-in virtual printer), NET,a.b.c.d[:port], "
                   "COMn,baud,parity,data,stop[,flow] or LPT1-LPT4")
        ->capture_default_str();
    const std::string full = ModelNames::text(ModelNames::PM44ProFull).toStdString();
    std::string model = full;
    app.add_option("--model", model, "Printer model the settings belong to")
        ->check(CLI::IsMember({full, ModelNames::text(ModelNames::PM44Pro).toStdString()}))
        ->capture_default_str();

    std::vector<std::string> names;
    CLI::App *get =
        app.add_subcommand("get", "Print the printer's value of each NAME on its own line");
    get->add_option("NAME", names, "Parameter name, e.g. version, dpi, speed")->required();

    std::string setName, setValue;
    bool exact = false;
    CLI::App *set = app.add_subcommand("set", "Set a parameter of the printer");
    set->add_option("NAME", setName, "Parameter name")->required();
    set->add_option("VALUE", setValue, "New value (capitals are sent as small letters)")
        ->required();
    set->add_flag("--exact", exact, "Send the value exactly as typed, capitals included");

    std::string function, argument;
    CLI::App *run = app.add_subcommand("do", "Run one of the printer's functions");
    CLI::Option *argumentOption = nullptr;
    run->add_option("NAME", function, "Function name, e.g. configguration_page")->required();
    argumentOption = run->add_option("ARG", argument, "Argument of the function");
    m_config.AddTo(app);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &e) {
        return app.exit(e, m_out, m_err);
    }

    m_link.SelectPort(QString::fromStdString(port));
    if (m_link.CreatePrinter() != 0)
        return m_report.Fail(QStringLiteral("cannot create the printer object: ") +
                             ConsoleReport::Meaning(m_link.LastResult()));
    if (m_config.Chosen())
        return m_config.Run(QString::fromStdString(model));
    if (*get) {
        QStringList quoted;
        for (const auto &name : names)
            quoted << quotedName(name);
        return this->get(quoted);
    }
    if (*set)
        return this->set(quotedName(setName), QString::fromStdString(setValue), exact);
    return doFunction(quotedName(function), QString::fromStdString(argument),
                      argumentOption->count() > 0);
}

int PrtUtil::get(const QStringList &names)
{
    if (!m_link.OpenLink())
        return m_report.FailOpen(m_link);
    for (const QString &name : names) {
        const QString reply = m_protocol.GetVal(name);
        if (!m_protocol.ReplyPresent(reply)) {
            m_link.CloseLink();
            return m_report.Fail(QStringLiteral("the printer did not answer ") + name);
        }
        m_out << reply.toStdString() << '\n';
    }
    m_link.CloseLink();
    return 0;
}

int PrtUtil::set(const QString &name, const QString &value, bool exact)
{
    if (!m_link.OpenLink())
        return m_report.FailOpen(m_link);
    const int result = exact ? m_protocol.SetValExact(name, value) : m_protocol.SetVal(name, value);
    const int32_t status = m_link.LastResult();
    m_link.CloseLink();
    if (result != 0)
        return m_report.Fail(QStringLiteral("could not send ") + name + ": " +
                             ConsoleReport::Meaning(status));
    return 0;
}

int PrtUtil::doFunction(const QString &name, const QString &argument, bool hasArgument)
{
    const int result = hasArgument ? m_protocol.DoCmdArg(name, argument) : m_protocol.DoCmd(name);
    if (m_messages.errorShown())
        return m_report.FailOpen(m_link);
    if (result != 0)
        return m_report.Fail(QStringLiteral("could not send ") + name + ": " +
                             ConsoleReport::Meaning(m_link.LastResult()));
    return 0;
}
