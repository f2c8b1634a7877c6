#include "FakeUsbBackend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

FakeUsbBackend::FakeUsbBackend(std::shared_ptr<Script> script) : m_script(std::move(script)) {}

FakeUsbBackend::Status FakeUsbBackend::record(const std::string &call, Status answer)
{
    m_script->calls.push_back(call);
    return answer;
}

const FakeUsbBackend::ScriptedDevice &FakeUsbBackend::opened() const
{
    // A transport that acts on a device it has not opened is at fault.
    EXPECT_LT(m_open, m_script->devices.size()) << "no device is open";
    static const ScriptedDevice kNone{};
    return m_open < m_script->devices.size() ? m_script->devices[m_open] : kNone;
}

FakeUsbBackend::Status FakeUsbBackend::devices(std::vector<Device> &found)
{
    found.clear();
    for (const ScriptedDevice &device : m_script->devices)
        found.push_back(device.descriptors);
    return m_script->listing;
}

FakeUsbBackend::Status FakeUsbBackend::open(size_t device)
{
    EXPECT_EQ(m_open, SIZE_MAX) << "a device is open already";
    if (device >= m_script->devices.size()) {
        ADD_FAILURE() << "device " << device << " was never listed";
        return Status::NotFound;
    }
    const Status answer = record("open " + std::to_string(device), m_script->devices[device].open);
    m_open = answer == Status::Ok ? device : SIZE_MAX;
    return answer;
}

void FakeUsbBackend::close()
{
    EXPECT_NE(m_open, SIZE_MAX) << "nothing to close";
    record("close", Status::Ok);
    m_open = SIZE_MAX;
}

bool FakeUsbBackend::kernelDriverActive(uint8_t)
{
    return opened().driverActive;
}

FakeUsbBackend::Status FakeUsbBackend::detachKernelDriver(uint8_t interface)
{
    return record("detach " + std::to_string(interface), opened().detach);
}

FakeUsbBackend::Status FakeUsbBackend::attachKernelDriver(uint8_t interface)
{
    return record("attach " + std::to_string(interface), Status::Ok);
}

FakeUsbBackend::Status FakeUsbBackend::claimInterface(uint8_t interface)
{
    return record("claim " + std::to_string(interface), opened().claim);
}

FakeUsbBackend::Status FakeUsbBackend::setAltSetting(uint8_t interface, uint8_t altSetting)
{
    return record("alt " + std::to_string(interface) + " " + std::to_string(altSetting),
                  opened().altSetting);
}

FakeUsbBackend::Status FakeUsbBackend::releaseInterface(uint8_t interface)
{
    return record("release " + std::to_string(interface), Status::Ok);
}

FakeUsbBackend::Status FakeUsbBackend::bulkTransfer(uint8_t endpoint, uint8_t *data, int length,
                                                    int &transferred, unsigned timeoutMs)
{
    opened();
    const bool in = endpoint & kEndpointIn;
    // Unscripted, the printer takes everything and says nothing.
    Answer answer{in ? Status::TimedOut : Status::Ok, SIZE_MAX, {}};
    if (!m_script->answers.empty()) {
        answer = m_script->answers.front();
        m_script->answers.pop_front();
    }
    const size_t room = static_cast<size_t>(std::max(length, 0));
    const size_t moved = std::min(room, in ? answer.reply.size() : answer.taken);
    if (in)
        std::copy_n(answer.reply.begin(), moved, data);
    else
        m_script->received.append(reinterpret_cast<const char *>(data), moved);
    transferred = static_cast<int>(moved);
    m_script->transfers.push_back({endpoint, length, timeoutMs, transferred});
    return answer.status;
}

FakeUsbBackend::Status FakeUsbBackend::clearHalt(uint8_t endpoint)
{
    char call[24];
    std::snprintf(call, sizeof call, "clear-halt 0x%02x", endpoint);
    return record(call, Status::Ok);
}
