#include "TFTNBasePm01.h"

TFTNBasePm01::TFTNBasePm01()
{
    SetModel(QStringLiteral("PM01"));
}
