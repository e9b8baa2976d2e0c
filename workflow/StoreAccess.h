// SPDX-License-Identifier: MIT
#pragma once

namespace colorcard {

// What the login may do on the store, as the pages read it. A file allows
// everything; on a server the login's group role decides (and the server
// itself refuses the rest whatever the window shows).
struct StoreAccess {
    enum class Role { File, Supervisor, Operator };
    Role role = Role::File;

    // Creating, editing and deleting libraries, colours and tolerances, and
    // restoring backups. Measuring samples, comparisons, lots and reading and
    // writing the meter are open to every role.
    bool mayChangeStandards() const { return role != Role::Operator; }
};

}  // namespace colorcard
