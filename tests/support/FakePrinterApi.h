#pragma once

#include "PrinterApi.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

// A scripted printer library. Every call is recorded with its bytes; opens,
// writes and reads answer from queues filled by the test, and fall back to
// success with nothing to read once a queue is empty.
class FakePrinterApi : public PrinterApi
{
public:
    struct Call {
        QString function;
        QByteArray bytes;   // written bytes, or the bytes a read delivered
        int capacity = 0;   // what a read asked for
        QString descriptor; // what an open was given
    };
    struct Read {
        int32_t status = 0;
        QByteArray bytes;
    };

    int32_t PrinterCreator(void **handle, const char16_t *model) override;
    int32_t PortOpen(void *handle, const char16_t *descriptor) override;
    int32_t WriteData(void *handle, const uint8_t *bytes, int32_t count) override;
    int32_t ReadData(void *handle, uint8_t *buffer, int32_t capacity, int32_t *count) override;
    int32_t ReadDataEOF(void *handle, uint8_t *buffer, int32_t offset, int32_t capacity,
                        uint8_t flag1, uint8_t flag2, int32_t *count) override;
    int32_t PortClose(void *handle) override;
    int32_t PrinterDestroy(void **handle) override;

    // The names of the calls made, in order.
    QStringList functions() const;
    // Every byte written, in order.
    QByteArray written() const;
    // The bytes of each write, in order.
    std::vector<QByteArray> writes() const;

    int32_t createStatus = 0;
    std::deque<int32_t> openStatuses;
    std::deque<int32_t> writeStatuses;
    // Shared by ReadData and ReadDataEOF, in order. A read given less room
    // than its scripted bytes takes what fits and leaves the rest for the
    // next read, as a port would.
    std::deque<Read> reads;
    std::vector<Call> calls;
    QString model;

private:
    int32_t deliver(const char *function, uint8_t *buffer, int32_t capacity, int32_t *count);
    static int handleTarget;
};
