// SPDX-License-Identifier: MIT
#include "link/UsbLinkOpener.h"

#include "link/CLinkerUSB.h"

namespace colorcard {

LinkOpener makeUsbLinkOpener(HidBackend& backend) {
    return [&backend](quint16 vendorId, quint16 productId, bool* permissionDenied) -> CLinker* {
        auto* link = new CLinkerUSB(backend);
        const bool opened = link->open(vendorId, productId) == 0;
        if (permissionDenied)
            *permissionDenied = !opened && link->permissionDenied();
        if (!opened) {
            delete link;
            return nullptr;
        }
        return link;
    };
}

}  // namespace colorcard
