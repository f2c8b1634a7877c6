#pragma once

#include <QString>

// Two answers of the capability table cached for one model: whether it uses
// a ribbon and whether it has a screen file.
class TFTNClass
{
public:
    TFTNClass() = default;
    virtual ~TFTNClass() = default;

    TFTNClass(const TFTNClass &) = delete;
    TFTNClass &operator=(const TFTNClass &) = delete;

    // Recomputes both answers from the model.
    virtual void Recalc();

    const QString &GetModel() const { return m_model; }
    void SetModel(const QString &model);

    bool IsRibbon() const { return m_isRibbon; }
    bool IsScreenFile() const { return m_isScreenFile; }

private:
    QString m_model;
    bool m_isRibbon = true;
    bool m_isScreenFile = true;
};
