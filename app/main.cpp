// SPDX-License-Identifier: MIT
#include "AppStartup.h"
#include "HidapiBackend.h"
#include "UdevEventSource.h"
#include "UsbLinkOpener.h"

int main(int argc, char** argv) {
    HidapiBackend backend;
    AppStartup::Options options;
    options.linkOpener = makeUsbLinkOpener(backend);
    options.deviceEvents = [] { return new UdevEventSource; };
    return AppStartup::run(argc, argv, options);
}
