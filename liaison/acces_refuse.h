#pragma once

#include <QString>

namespace optolink {

// What the system says about a serial device that refused to open, and about the user.
struct DroitsPeripherique {
    QString chemin;
    QString utilisateur;
    QString groupe;           // the group that owns the device
    bool accessible = false;  // the running program may read and write it
    bool groupe_ouvre = false; // its group may read and write it
    bool session_du_groupe = false; // the running program has that group
    bool inscrit = false;     // the account belongs to that group in the system's list
};

// Why the device refused to open, and how to get access, in French: a device that the program
// may use is busy; otherwise the user is told which group to join, or that joining it takes
// effect only once the session is opened again.
QString raison_acces_refuse(const DroitsPeripherique& d);

} // namespace optolink
