// SPDX-License-Identifier: MIT
#pragma once

#include "KeyInformation.h"
#include "MeterResult.h"
#include "ProductionInformation.h"

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
