#pragma once

#include <QString>

#include "KeyInformation.h"
#include "ProductionInformation.h"

class FrameLayer;

// The two identity requests. Results: 1 success, -1 request not written,
// -2 no (valid) reply, -3 reply of the wrong form, -4 checksum mismatch,
// -5 the meter does not support the request. The record is written only on
// success.
class IdentityMessages {
public:
    explicit IdentityMessages(FrameLayer& frames);

    int readKeyInformation(KeyInformation& info);
    int readProductionInformation(ProductionInformation& info);

    // The Chinese-only message the page shows (title "提示", no parent) for a
    // production information failure -1..-4; empty for other codes.
    static QString productionInformationMessage(int code);

private:
    FrameLayer& frames_;
};
