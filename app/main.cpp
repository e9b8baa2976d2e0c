// SPDX-License-Identifier: MIT
#include "app/AppStartup.h"
#include "link/HidapiBackend.h"
#include "link/UdevEventSource.h"
#include "link/UsbLinkOpener.h"

using namespace colorcard;

int main(int argc, char** argv) {
    HidapiBackend backend;
    AppStartup::Options options;
    options.linkOpener = makeUsbLinkOpener(backend);
    options.deviceEvents = [] { return new UdevEventSource; };
    return AppStartup::run(argc, argv, options);
}
