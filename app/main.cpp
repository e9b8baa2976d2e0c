#include "AppStartup.h"

int main(int argc, char** argv) {
    AppStartup::Options options;
    // The USB link and the udev hot-plug source are attached here by the link
    // subsystem; without them the window runs with its LED dark.
    options.linkOpener = [](quint16, quint16, bool*) -> CLinker* { return nullptr; };
    return AppStartup::run(argc, argv, options);
}
