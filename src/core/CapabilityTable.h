#pragma once

#include <QString>
#include <QStringList>

// Which printer models have which feature. Every model-dependent decision of
// the program asks here by feature name ("FTNNo_...") instead of comparing
// model names itself. The answer depends on the feature name and the model
// text only, both compared exactly and with case.
class CapabilityTable
{
public:
    // Whether the model has the feature. modelList, when given, receives the
    // feature's models in comma-wrapped form (",PM01,PM02,"; "," for none),
    // or an empty text for an unknown feature and for FTNNo_IsRibbon.
    static bool ModelHasFeature(const QString &feature, const QString &model,
                                QString *modelList = nullptr);

    // The plain membership rule, without the model-feature object that
    // ModelHasFeature consults for one feature.
    static bool IsListed(const QString &feature, const QString &model);

    // The same question for the current model; false for every feature
    // before a model is selected.
    bool HasFeature(const QString &feature, QString *modelList = nullptr) const;

    const QString &FeatureModel() const { return m_featureModel; }
    void SetFeatureModel(const QString &model) { m_featureModel = model; }

    // Every feature name of the table, in the table's order.
    static QStringList FeatureNames();

private:
    QString m_featureModel;
};
