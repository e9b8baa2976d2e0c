// SPDX-License-Identifier: MIT
#pragma once

#include "protocol/KeyInformation.h"
#include "protocol/MeterResult.h"
#include "protocol/ProductionInformation.h"

namespace colorcard {

class FrameLayer;

// The two identity requests. Results: Ok, NotWritten, NoReply (no valid
// reply), BadReply (reply of the wrong form), CheckMismatch (checksum
// mismatch), Unsupported (the meter does not know the request). The record
// is written only on success.
class IdentityMessages {
public:
    explicit IdentityMessages(FrameLayer& frames);

    MeterResult readKeyInformation(KeyInformation& info);
    MeterResult readProductionInformation(ProductionInformation& info);

private:
    FrameLayer& frames_;
};

}  // namespace colorcard
