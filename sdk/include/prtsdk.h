/*
 * Printer-communication library.
 *
 * Seven functions move bytes between the program and one printer. A printer
 * handle is created once, then each exchange opens a port by its descriptor
 * text, writes and reads, and closes it again.
 *
 * Every function returns a 32-bit status: PRT_OK (0) on success, a negative
 * PRT_ERR_* code on failure. Text arguments are zero-terminated UTF-16.
 *
 * Port descriptors:
 *   "SIM"                        the built-in virtual printer (no hardware)
 *   "NET,a.b.c.d"                a network printer, TCP port 9100
 *   "NET,a.b.c.d:port"           a network printer on another TCP port
 *   "USB"                        the first USB printer
 *   "COMn,baud,parity,data,stop[,flow]"   a serial port
 *   "LPT1" to "LPT4"             a parallel port
 *
 * Time bounds (every blocking call returns within them):
 *   connect                PRT_CONNECT_TIMEOUT_MS
 *   WriteData              PRT_WRITE_TIMEOUT_MS for the whole buffer
 *   ReadData               waits up to PRT_READ_TIMEOUT_MS for the first byte,
 *                          then returns what has arrived
 *   ReadDataEOF            waits up to PRT_REPLY_TIMEOUT_MS for the first
 *                          byte; the reply is complete when no further byte
 *                          arrives for PRT_REPLY_IDLE_MS, when the buffer is
 *                          full, or after PRT_REPLY_LIMIT_MS in all
 * A read that receives nothing within its bound returns PRT_OK with count 0.
 *
 * Tracing: set PRT_SDK_DEBUG=1 to log every call and byte to standard error.
 */
#ifndef PRTSDK_H
#define PRTSDK_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#define PRT_API __declspec(dllexport)
#else
#define PRT_API __attribute__((visibility("default")))
#endif

typedef uint16_t prt_char16;

enum prt_timeouts {
    PRT_CONNECT_TIMEOUT_MS = 3000,
    PRT_WRITE_TIMEOUT_MS = 10000,
    PRT_READ_TIMEOUT_MS = 300,
    PRT_REPLY_TIMEOUT_MS = 1000,
    PRT_REPLY_IDLE_MS = 15,
    PRT_REPLY_LIMIT_MS = 5000,
};

/*
 * Status codes. The numbers are part of the interface: the program maps each
 * to a message text of its own, so a code is never reused for another meaning.
 */
enum prt_return {
    PRT_OK = 0,
    /* The port was already open on this handle; the open changed nothing. */
    PRT_ALREADY_OPEN = 5,

    PRT_ERR_ARG = -1,                /* a null pointer or a negative count */
    PRT_ERR_NO_MEMORY = -2,          /* out of memory */
    PRT_ERR_MODEL = -3,              /* the model text is empty */
    PRT_ERR_UNSUPPORTED = -4,        /* this port kind is not available on this system */
    PRT_ERR_HANDLE = -6,             /* not a printer handle made by PrinterCreator */
    PRT_ERR_NOT_OPEN = -7,           /* no port is open on this handle */
    PRT_ERR_WRITE = -8,              /* the port refused the data */
    PRT_ERR_READ = -9,               /* reading from the port failed */
    PRT_ERR_WRITE_TIMEOUT = -10,     /* not all data was taken within PRT_WRITE_TIMEOUT_MS */
    PRT_ERR_CONNECTION_LOST = -11,   /* the printer closed the connection or went away */
    PRT_ERR_DESCRIPTOR = -21,        /* the port descriptor is not one of the known forms */
    PRT_ERR_DESCRIPTOR_FIELD = -22,  /* a field of the descriptor is out of range */
    PRT_ERR_NET_NO_ANSWER = -100,    /* no printer answered at that address in time */
    PRT_ERR_NET_REFUSED = -101,      /* the address answered but refused the connection */
    PRT_ERR_NET_UNREACHABLE = -102,  /* no route to that address from this computer */
    PRT_ERR_SERIAL_NOT_FOUND = -300, /* the serial device does not exist */
    PRT_ERR_SERIAL_ACCESS = -301,    /* permission to use the serial device was denied */
    PRT_ERR_SERIAL_OPEN = -302,      /* the serial device could not be opened */
    PRT_ERR_SERIAL_CONFIG = -304,    /* the serial device refused the speed or framing */
    PRT_ERR_LPT_NOT_FOUND = -321,    /* the parallel device does not exist */
    PRT_ERR_LPT_ACCESS = -322,       /* permission to use the parallel device was denied */
    PRT_ERR_USB_NOT_FOUND = -331,    /* no USB printer is connected */
    PRT_ERR_USB_ACCESS = -332,       /* permission to use the USB printer was denied */
    PRT_ERR_USB_CLAIM = -341,        /* the USB printer is held by another driver or program */
    PRT_ERR_USB_TRANSFER = -351,     /* a USB transfer failed */
    PRT_ERR_USB_STALL = -352,        /* the USB printer stalled the transfer */
    PRT_ERR_USB_GONE = -361,         /* the USB printer was unplugged */
    PRT_ERR_PORT_BUSY = -372,        /* another program is using the port */
};

/* Creates a printer handle. *handle receives it on PRT_OK. */
PRT_API int32_t PrinterCreator(void **handle, const prt_char16 *model);

/* Opens the port named by the descriptor. PRT_ALREADY_OPEN when a port is open. */
PRT_API int32_t PortOpen(void *handle, const prt_char16 *descriptor);

/* Writes all bytes or fails; a partial write is reported as an error. */
PRT_API int32_t WriteData(void *handle, const uint8_t *bytes, int32_t count);

/* Stores up to capacity bytes; *count receives how many (0 when none came). */
PRT_API int32_t ReadData(void *handle, uint8_t *buffer, int32_t capacity, int32_t *count);

/* Reads one complete reply (see the time bounds above); the fixed arguments
 * offset, flag1 and flag2 must be 0. *count receives the reply length. */
PRT_API int32_t ReadDataEOF(void *handle, uint8_t *buffer, int32_t offset, int32_t capacity,
                            uint8_t flag1, uint8_t flag2, int32_t *count);

/* Closes the port; the handle stays usable. */
PRT_API int32_t PortClose(void *handle);

/* Closes the port and retires the handle. The handle value stays valid for
 * PortOpen until the process ends, and *handle is left as it is. */
PRT_API int32_t PrinterDestroy(void **handle);

/* A short English description of a status code, for logs and tools.
 * Header-only, so the library exports nothing beyond its seven functions. */
static inline const char *prt_error_message(int32_t code)
{
    switch (code) {
    case PRT_OK:
        return "success";
    case PRT_ALREADY_OPEN:
        return "the port was already open";
    case PRT_ERR_ARG:
        return "invalid argument";
    case PRT_ERR_NO_MEMORY:
        return "out of memory";
    case PRT_ERR_MODEL:
        return "no printer model given";
    case PRT_ERR_UNSUPPORTED:
        return "this port kind is not available on this system";
    case PRT_ERR_HANDLE:
        return "the printer object was not created";
    case PRT_ERR_NOT_OPEN:
        return "the port is not open";
    case PRT_ERR_WRITE:
        return "the port refused the data";
    case PRT_ERR_READ:
        return "reading from the port failed";
    case PRT_ERR_WRITE_TIMEOUT:
        return "the printer did not accept data in time";
    case PRT_ERR_CONNECTION_LOST:
        return "the connection to the printer was lost";
    case PRT_ERR_DESCRIPTOR:
        return "unknown port descriptor";
    case PRT_ERR_DESCRIPTOR_FIELD:
        return "a field of the port descriptor is out of range";
    case PRT_ERR_NET_NO_ANSWER:
        return "no printer answered at that address";
    case PRT_ERR_NET_REFUSED:
        return "the printer refused the connection";
    case PRT_ERR_NET_UNREACHABLE:
        return "that address cannot be reached from this computer";
    case PRT_ERR_SERIAL_NOT_FOUND:
        return "the serial port does not exist";
    case PRT_ERR_SERIAL_ACCESS:
        return "permission to use the serial port was denied";
    case PRT_ERR_SERIAL_OPEN:
        return "the serial port could not be opened";
    case PRT_ERR_SERIAL_CONFIG:
        return "the serial port refused the speed or framing";
    case PRT_ERR_LPT_NOT_FOUND:
        return "the parallel port does not exist";
    case PRT_ERR_LPT_ACCESS:
        return "permission to use the parallel port was denied";
    case PRT_ERR_USB_NOT_FOUND:
        return "no USB printer is connected";
    case PRT_ERR_USB_ACCESS:
        return "permission to use the USB printer was denied";
    case PRT_ERR_USB_CLAIM:
        return "the USB printer is in use by another driver or program";
    case PRT_ERR_USB_TRANSFER:
        return "a USB transfer failed";
    case PRT_ERR_USB_STALL:
        return "the USB printer stalled";
    case PRT_ERR_USB_GONE:
        return "the USB printer was unplugged";
    case PRT_ERR_PORT_BUSY:
        return "another program is using the port";
    default:
        return "unknown error";
    }
}

#ifdef __cplusplus
}
#endif

#endif
