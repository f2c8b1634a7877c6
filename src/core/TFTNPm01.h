#pragma once

#include "TFTNBasePm01.h"

// The model-feature object of the PM01 itself.
class TFTNPm01 : public TFTNBasePm01
{
};
