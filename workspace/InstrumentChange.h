#pragma once

#include <QtGlobal>

class FirstPage;

// What the page does when identification finds another instrument's
// libraries in the store, and the automatic export the first time an
// instrument is seen in a run.
class InstrumentChange {
public:
    explicit InstrumentChange(FirstPage& page);

    // Offers to save (again after every failed save), then empties the
    // store and the page whatever the answer.
    void handleInstrumentChange();
    // Runs the page's export once per instrument and run, whatever its outcome.
    void exportOnFirstConnection(quint32 instrumentId);

private:
    FirstPage& page;
};
