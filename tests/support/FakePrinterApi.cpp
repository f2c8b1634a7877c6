#include "FakePrinterApi.h"

#include <algorithm>
#include <cstring>

int FakePrinterApi::handleTarget = 0;

namespace
{

int32_t next(std::deque<int32_t> &queue)
{
    if (queue.empty())
        return 0;
    const int32_t status = queue.front();
    queue.pop_front();
    return status;
}

} // namespace

int32_t FakePrinterApi::PrinterCreator(void **handle, const char16_t *text)
{
    calls.push_back({"PrinterCreator", {}, 0, {}});
    model = QString::fromUtf16(text);
    if (createStatus == 0)
        *handle = &handleTarget;
    return createStatus;
}

int32_t FakePrinterApi::PortOpen(void *, const char16_t *descriptor)
{
    calls.push_back({"PortOpen", {}, 0, QString::fromUtf16(descriptor)});
    return next(openStatuses);
}

int32_t FakePrinterApi::WriteData(void *, const uint8_t *bytes, int32_t count)
{
    calls.push_back({"WriteData", QByteArray(reinterpret_cast<const char *>(bytes), count), 0, {}});
    return next(writeStatuses);
}

int32_t FakePrinterApi::deliver(const char *function, uint8_t *buffer, int32_t capacity,
                                int32_t *count)
{
    Read read;
    if (!reads.empty()) {
        read = reads.front();
        reads.pop_front();
    }
    const qsizetype stored = std::min<qsizetype>(read.bytes.size(), capacity);
    std::memcpy(buffer, read.bytes.constData(), static_cast<size_t>(stored));
    if (stored < read.bytes.size())
        reads.push_front({read.status, read.bytes.mid(stored)});
    *count = static_cast<int32_t>(stored);
    calls.push_back({function, read.bytes.left(stored), capacity, {}});
    return read.status;
}

int32_t FakePrinterApi::ReadData(void *, uint8_t *buffer, int32_t capacity, int32_t *count)
{
    return deliver("ReadData", buffer, capacity, count);
}

int32_t FakePrinterApi::ReadDataEOF(void *, uint8_t *buffer, int32_t, int32_t capacity, uint8_t,
                                    uint8_t, int32_t *count)
{
    return deliver("ReadDataEOF", buffer, capacity, count);
}

int32_t FakePrinterApi::PortClose(void *)
{
    calls.push_back({"PortClose", {}, 0, {}});
    return 0;
}

int32_t FakePrinterApi::PrinterDestroy(void **)
{
    calls.push_back({"PrinterDestroy", {}, 0, {}});
    return 0;
}

QStringList FakePrinterApi::functions() const
{
    QStringList names;
    for (const Call &call : calls)
        names << call.function;
    return names;
}

QByteArray FakePrinterApi::written() const
{
    QByteArray all;
    for (const QByteArray &bytes : writes())
        all += bytes;
    return all;
}

std::vector<QByteArray> FakePrinterApi::writes() const
{
    std::vector<QByteArray> result;
    for (const Call &call : calls)
        if (call.function == QLatin1String("WriteData"))
            result.push_back(call.bytes);
    return result;
}
