#include "AboutTexts.h"

#include "TConstLangV.h"

namespace
{
// Each control with the key of its text.
const char *const kLabels[][2] = {
    {"TfrmAbout", "FormAbout_Caption"}, {"lblCR", "FormAbout_lblCR"},
    {"lblWS", "FormAbout_lblWS"},       {"lblWS1", "FormAbout_lblWS1"},
    {"lblE", "FormAbout_lblE"},         {"lblE1", "FormAbout_lblE1"},
    {"lblT", "FormAbout_lblT"},         {"lblT1", "FormAbout_lblT1"},
    {"btnClose", "FormRTC_btnClose"},
};
} // namespace

QList<AboutTexts::Caption> AboutTexts::Plan(TConstLangV &texts)
{
    QList<Caption> captions;
    for (const auto &[control, key] : kLabels)
        captions.append({QString::fromLatin1(control), texts.UiText(QString::fromLatin1(key))});
    const QString version =
        texts.ReadUiText(TConstLangV::MasterFile, QStringLiteral("Global"), "_Version");
    captions.append({QStringLiteral("lblVersion"),
                     texts.UiText(QStringLiteral("FormAbout_lblVersion")) + version});
    return captions;
}
