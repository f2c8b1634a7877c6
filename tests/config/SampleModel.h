#pragma once

class ConfigModel;

// A model with every page filled in the way a technician might leave it:
// 300 dpi, gap media, a manual Ethernet address whose mask lacks a part, a
// station with a manual wireless address, and a blank Bluetooth name.
class SampleModel
{
public:
    static void Fill(ConfigModel &model);
};
