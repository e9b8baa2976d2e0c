// SPDX-License-Identifier: MIT
#pragma once

namespace colorcard {

// How one request to the meter ended. The values are the ones the meter
// messages have always been documented with.
enum class MeterResult {
    Ok = 1,
    // The request was not (completely) written.
    NotWritten = -1,
    // No reply or acknowledgement came, or it failed its frame check.
    NoReply = -2,
    // A reply or acknowledgement of the wrong form.
    BadReply = -3,
    // A record's check code differs from the caller's; nothing was sent.
    CheckMismatch = -4,
    // The meter does not know the request.
    Unsupported = -5,
};

// The exchanges with the meter whose failures are told apart.
enum class MeterStep {
    Measure,
    ReadProduction,
    WriteTotal,
    WriteInfo,
    WriteEmptyPacket,
    ReadTotal,
    ReadInfo,
    ReadData,
    ReadKeyInformation,
    WriteData,
};

}  // namespace colorcard
