#pragma once

#include "TFTNClass.h"

// The model-feature object of the PM01 family.
class TFTNBasePm01 : public TFTNClass
{
public:
    TFTNBasePm01();
};
