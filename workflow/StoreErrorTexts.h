// SPDX-License-Identifier: MIT
#pragma once

#include "BilingualText.h"
#include "ColorCardStore.h"

// The message the user is shown for a failed step of the store.
BilingualText storeErrorText(StoreError error);
