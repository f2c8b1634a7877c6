#include "UsbTransport.h"

#include "LibusbBackend.h"
#include "PollWait.h"
#include "prtsdk.h"

#include <algorithm>
#include <climits>

namespace prtsdk
{
namespace
{

using Status = UsbBackend::Status;

// A whole number of packets at every bus speed.
constexpr int kReadChunk = 4096;

// The USB library waits for ever on a time-out of 0, which no caller of a
// bounded call means; the shortest real wait stands in for it.
unsigned transferBound(int64_t ms)
{
    return static_cast<unsigned>(std::clamp<int64_t>(ms, 1, UINT_MAX));
}

int transferLength(size_t bytes)
{
    return static_cast<int>(std::min<size_t>(bytes, INT_MAX));
}

// Why a printer found on the bus could not be taken.
int32_t openFailure(Status status)
{
    switch (status) {
    case Status::AccessDenied:
        return PRT_ERR_USB_ACCESS;
    case Status::NoDevice:
        return PRT_ERR_USB_NOT_FOUND;
    default:
        return PRT_ERR_USB_CLAIM;
    }
}

} // namespace

UsbTransport::UsbTransport() : UsbTransport(std::make_unique<LibusbBackend>()) {}

UsbTransport::UsbTransport(std::unique_ptr<UsbBackend> backend) : m_backend(std::move(backend)) {}

UsbTransport::~UsbTransport()
{
    close();
}

std::optional<UsbTransport::Printer>
UsbTransport::printerSetting(const UsbBackend::Interface &interface,
                             const UsbBackend::AltSetting &setting)
{
    if (setting.interfaceClass != UsbBackend::kPrinterClass)
        return std::nullopt;
    Printer printer{interface.number, setting.number, interface.altSettings.size() > 1, 0, 0};
    for (const UsbBackend::Endpoint &endpoint : setting.endpoints) {
        if (endpoint.type != UsbBackend::TransferType::Bulk)
            continue;
        uint8_t &slot = endpoint.address & UsbBackend::kEndpointIn ? printer.in : printer.out;
        slot = slot ? slot : endpoint.address;
    }
    return printer.out ? std::optional(printer) : std::nullopt;
}

std::optional<UsbTransport::Printer> UsbTransport::findPrinter(const UsbBackend::Device &device)
{
    for (const UsbBackend::Interface &interface : device.interfaces) {
        std::optional<Printer> chosen;
        for (const UsbBackend::AltSetting &setting : interface.altSettings) {
            const std::optional<Printer> candidate = printerSetting(interface, setting);
            // A setting that can also answer beats one that can only print:
            // the program reads the printer's replies.
            if (candidate && (!chosen || (!chosen->in && candidate->in)))
                chosen = candidate;
        }
        if (chosen)
            return chosen;
    }
    return std::nullopt;
}

int32_t UsbTransport::open()
{
    close();
    std::vector<UsbBackend::Device> devices;
    if (m_backend->devices(devices) != Status::Ok)
        return PRT_ERR_USB_NOT_FOUND;
    // A printer that cannot be taken leaves the next one a chance; the first
    // reason for failing is the one told.
    int32_t status = PRT_ERR_USB_NOT_FOUND;
    for (size_t i = 0; i < devices.size(); ++i) {
        const std::optional<Printer> printer = findPrinter(devices[i]);
        if (!printer)
            continue;
        const int32_t opened = openPrinter(i, *printer);
        if (opened == PRT_OK)
            return PRT_OK;
        if (status == PRT_ERR_USB_NOT_FOUND)
            status = opened;
    }
    return status;
}

int32_t UsbTransport::openPrinter(size_t device, const Printer &printer)
{
    const Status opened = m_backend->open(device);
    if (opened != Status::Ok)
        return openFailure(opened);
    m_printer = printer;
    const int32_t status = claim();
    if (status != PRT_OK)
        close();
    return status;
}

int32_t UsbTransport::claim()
{
    const uint8_t interface = m_printer->interface;
    if (m_backend->kernelDriverActive(interface)) {
        const Status detached = m_backend->detachKernelDriver(interface);
        if (detached != Status::Ok)
            return openFailure(detached);
        m_driverDetached = true;
    }
    const Status claimed = m_backend->claimInterface(interface);
    if (claimed != Status::Ok)
        return openFailure(claimed);
    m_claimed = true;
    if (!m_printer->selectAltSetting)
        return PRT_OK;
    const Status selected = m_backend->setAltSetting(interface, m_printer->altSetting);
    return selected == Status::Ok ? PRT_OK : openFailure(selected);
}

void UsbTransport::close()
{
    if (m_printer) {
        if (m_claimed)
            m_backend->releaseInterface(m_printer->interface);
        if (m_driverDetached)
            m_backend->attachKernelDriver(m_printer->interface);
        m_backend->close();
    }
    m_printer.reset();
    m_claimed = false;
    m_driverDetached = false;
    m_pending.clear();
}

int32_t UsbTransport::transferFailure(Status status, uint8_t endpoint)
{
    switch (status) {
    case Status::Stalled:
        // A halted endpoint refuses every later transfer until it is cleared.
        m_backend->clearHalt(endpoint);
        return PRT_ERR_USB_STALL;
    case Status::NoDevice:
        return PRT_ERR_USB_GONE;
    default:
        return PRT_ERR_USB_TRANSFER;
    }
}

int32_t UsbTransport::write(const uint8_t *bytes, size_t count, int timeoutMs)
{
    if (!m_printer)
        return PRT_ERR_NOT_OPEN;
    // One bound for the whole buffer, as on every other port. A transfer cut
    // short by its time-out is carried on while time is left.
    const int64_t deadline = monotonicMs() + timeoutMs;
    size_t sent = 0;
    while (sent < count) {
        int moved = 0;
        // The USB library only reads the buffer of an OUT transfer.
        const Status result = m_backend->bulkTransfer(
            m_printer->out, const_cast<uint8_t *>(bytes + sent), transferLength(count - sent),
            moved, transferBound(deadline - monotonicMs()));
        sent += static_cast<size_t>(std::max(moved, 0));
        if (result != Status::Ok && result != Status::TimedOut)
            return transferFailure(result, m_printer->out);
        // A transfer that timed out had all the time left; one that took
        // nothing in it leaves nothing to wait for.
        const bool idle = result == Status::TimedOut && moved <= 0;
        if (sent < count && (idle || monotonicMs() >= deadline))
            return PRT_ERR_WRITE_TIMEOUT;
    }
    return PRT_OK;
}

int32_t UsbTransport::fillPending(int timeoutMs)
{
    m_pending.resize(kReadChunk);
    int moved = 0;
    const Status result = m_backend->bulkTransfer(m_printer->in, m_pending.data(), kReadChunk,
                                                  moved, transferBound(timeoutMs));
    m_pending.resize(static_cast<size_t>(std::clamp(moved, 0, kReadChunk)));
    if (result != Status::Ok && result != Status::TimedOut)
        return transferFailure(result, m_printer->in);
    return PRT_OK;
}

int32_t UsbTransport::read(uint8_t *buffer, size_t capacity, int timeoutMs, size_t &count)
{
    count = 0;
    if (!m_printer)
        return PRT_ERR_NOT_OPEN;
    // A printer without a bulk IN endpoint never answers.
    if (m_pending.empty() && m_printer->in) {
        const int32_t status = fillPending(timeoutMs);
        if (status != PRT_OK)
            return status;
    }
    count = std::min(capacity, m_pending.size());
    std::copy_n(m_pending.begin(), count, buffer);
    m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<ptrdiff_t>(count));
    return PRT_OK;
}

} // namespace prtsdk
