#pragma once

#include <atomic>

// What the reader shares with the progress display: the number of queries
// made so far and whether the reader has ended. Plain counters, written by
// the reader's thread and read by the user-interface thread.
struct ReadState {
    std::atomic<int> ReadProgress{0};
    std::atomic<bool> Stopped{false};

    void Reset()
    {
        ReadProgress = 0;
        Stopped = false;
    }
};
