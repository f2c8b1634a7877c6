#pragma once

#include "prtsdk.h"

#include <array>
#include <cstdint>

// Every code the printer library returns for a failure, for tests that must
// cover them all (a message for each, a text in each language).
inline constexpr std::array<int32_t, 28> kLibraryCodes = {PRT_ERR_ARG,
                                                          PRT_ERR_NO_MEMORY,
                                                          PRT_ERR_MODEL,
                                                          PRT_ERR_UNSUPPORTED,
                                                          PRT_ERR_HANDLE,
                                                          PRT_ERR_NOT_OPEN,
                                                          PRT_ERR_WRITE,
                                                          PRT_ERR_READ,
                                                          PRT_ERR_WRITE_TIMEOUT,
                                                          PRT_ERR_CONNECTION_LOST,
                                                          PRT_ERR_DESCRIPTOR,
                                                          PRT_ERR_DESCRIPTOR_FIELD,
                                                          PRT_ERR_NET_NO_ANSWER,
                                                          PRT_ERR_NET_REFUSED,
                                                          PRT_ERR_NET_UNREACHABLE,
                                                          PRT_ERR_SERIAL_NOT_FOUND,
                                                          PRT_ERR_SERIAL_ACCESS,
                                                          PRT_ERR_SERIAL_OPEN,
                                                          PRT_ERR_SERIAL_CONFIG,
                                                          PRT_ERR_LPT_NOT_FOUND,
                                                          PRT_ERR_LPT_ACCESS,
                                                          PRT_ERR_USB_NOT_FOUND,
                                                          PRT_ERR_USB_ACCESS,
                                                          PRT_ERR_USB_CLAIM,
                                                          PRT_ERR_USB_TRANSFER,
                                                          PRT_ERR_USB_STALL,
                                                          PRT_ERR_USB_GONE,
                                                          PRT_ERR_PORT_BUSY};
