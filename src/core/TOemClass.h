#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <utility>

// The profile of one OEM customer. Exactly one exists per run; it names the
// customer's data folder, in which the settings live. The base profile has
// no data folder; every customer profile has its own identifier and folder.
class TOemClass
{
public:
    // What a profile needs from the rest of the program when it is made.
    struct Context {
        QString localAppData;                  // ends with the separator
        QHash<QString, QString> languageNames; // display name by language id
        bool debugMode = false;
    };

    // Profile data of the customer, kept for the customer's own tools.
    struct Switches {
        int A = 0, B = 0, C = 0, D = 0, E = 0, F = 0, G = 0, H = 0, I = 0, J = 0;
        int K = 2, L = 1, M = 1, N = 0, O = 1, P = 1, Q = 0;
    };
    using Title = std::pair<int, QString>;

    explicit TOemClass(const Context &context);
    virtual ~TOemClass() = default;

    TOemClass(const TOemClass &) = delete;
    TOemClass &operator=(const TOemClass &) = delete;

    virtual QString GetModelList() const { return m_modelList; }
    // Sets the profile's identifier and folder code and creates its data
    // folder. The base profile has neither.
    virtual void ApplyIdentity() {}

    void SetSelection(const QString &toolType, const QString &oemCo);

    const QString &ToolType() const { return m_toolType; }
    const QString &OemCo() const { return m_oemCo; }
    const QString &PathDelim() const { return m_pathDelim; }
    const QString &ProfileId() const { return m_profileId; }
    const QString &FolderCode() const { return m_folderCode; }
    const QString &DataFolder() const { return m_dataFolder; }
    const QString &ModelList() const { return m_modelList; }
    const QString &LanguageNames() const { return m_languageNames; }
    const QString &LanguageIds() const { return m_languageIds; }
    const QString &ModelSet() const { return m_modelSet; }
    const QString &CompanyName() const { return m_companyName; }
    const QString &VersionText() const { return m_versionText; }
    const QString &LogoPicture() const { return m_logoPicture; }
    const Switches &Flags() const { return m_switches; }
    const std::array<Title, 7> &Titles() const { return m_titles; }

protected:
    // The identity of a customer profile: its data folder is
    // LOCALAPPDATA/<folder code>/OcUserData/, created when missing.
    void AssignIdentity(const QString &profileId, const QString &folderCode);

    // The display names of the given languages, joined by commas, each
    // followed by its id in brackets when asked.
    QString NamesOf(const QStringList &languageIds, bool withIds = false) const;

    // Sets the model list and the comma-wrapped model set together.
    void SetModels(const QStringList &models);

    const Context &ProfileContext() const { return m_context; }

    Switches m_switches;
    QString m_languageNames;
    QString m_languageIds = QStringLiteral("2052,1028,1033,1034");
    QString m_companyName;
    QString m_versionText;
    QString m_logoPicture = QStringLiteral("kest.png");
    std::array<Title, 7> m_titles;
    QString m_modelList;
    QString m_modelSet;

private:
    Context m_context;
    QString m_toolType;
    QString m_oemCo;
    QString m_pathDelim;
    QString m_profileId;
    QString m_folderCode;
    QString m_dataFolder;
};
