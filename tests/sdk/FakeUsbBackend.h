#pragma once

#include "UsbBackend.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

// A USB backend that answers from a script at once and records what it was
// asked. The script is shared, so a test still reads it after the transport
// that owned the backend is gone.
class FakeUsbBackend : public prtsdk::UsbBackend
{
public:
    // One device on the scripted bus and how it answers being taken.
    struct ScriptedDevice {
        Device descriptors;
        Status open = Status::Ok;
        bool driverActive = false;
        Status detach = Status::Ok;
        Status claim = Status::Ok;
        Status altSetting = Status::Ok;
    };

    // The answer to one bulk transfer: how it ends, how many bytes of an OUT
    // transfer the printer takes, what an IN transfer brings.
    struct Answer {
        Status status = Status::Ok;
        size_t taken = SIZE_MAX;
        std::string reply;
    };

    struct Transfer {
        uint8_t endpoint = 0;
        int length = 0;
        unsigned timeoutMs = 0;
        int moved = 0;
    };

    struct Script {
        Status listing = Status::Ok;
        std::vector<ScriptedDevice> devices;
        // Transfers beyond these take all bytes out and time out bringing
        // nothing in.
        std::deque<Answer> answers;

        // Opening, claiming and giving back, one line a call, such as
        // "open 1", "detach 0", "claim 0", "alt 0 1", "release 0",
        // "attach 0", "close", "clear-halt 0x01".
        std::vector<std::string> calls;
        std::vector<Transfer> transfers;
        // Every byte the printer took, in order.
        std::string received;
    };

    explicit FakeUsbBackend(std::shared_ptr<Script> script);

    Status devices(std::vector<Device> &found) override;
    Status open(size_t device) override;
    void close() override;
    bool kernelDriverActive(uint8_t interface) override;
    Status detachKernelDriver(uint8_t interface) override;
    Status attachKernelDriver(uint8_t interface) override;
    Status claimInterface(uint8_t interface) override;
    Status setAltSetting(uint8_t interface, uint8_t altSetting) override;
    Status releaseInterface(uint8_t interface) override;
    Status bulkTransfer(uint8_t endpoint, uint8_t *data, int length, int &transferred,
                        unsigned timeoutMs) override;
    Status clearHalt(uint8_t endpoint) override;

private:
    Status record(const std::string &call, Status answer);
    const ScriptedDevice &opened() const;

    std::shared_ptr<Script> m_script;
    size_t m_open = SIZE_MAX;
};
