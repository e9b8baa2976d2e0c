// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

#include "prompt/Prompt.h"
#include "protocol/MeterDriver.h"

namespace colorcard {

// The progress dialog of a meter transfer: opened once the driver knows how
// many packages there are, hidden once, whether by the driver after the last
// package or by the workflow after it reported a failure.
class TransferProgress : public MeterProgress {
public:
    using Open = std::function<std::unique_ptr<ProgressReporter>(int packages)>;

    explicit TransferProgress(Open open) : open_(std::move(open)) {}

    void begin(int packages) override { reporter_ = open_(packages); }
    void setValue(int value) override {
        if (reporter_)
            reporter_->setValue(value);
    }
    void end() override {
        if (!reporter_)
            return;
        reporter_->hide();
        reporter_.reset();
    }

private:
    Open open_;
    std::unique_ptr<ProgressReporter> reporter_;
};

}  // namespace colorcard
