#include "ThreadSleeper.h"

#include <chrono>
#include <thread>

void ThreadSleeper::sleep(int milliseconds)
{
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
