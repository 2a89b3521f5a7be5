#include "setupstrings.h"

QString setupString(int id) {
    switch (id) {
    // The doubled apostrophe is the stored text, shown as it is.
    case 1001:
        return QStringLiteral("The selected drive hasn''t enough free space to install the program!");
    case 1002:
        return QStringLiteral("Some file(s) are missing. The installation is aborted!");
    case 1003:
        return QStringLiteral("The installation was successful!\nA shortcut was created on the Start menu. Do you "
                              "want to start the program now?");
    case 1004:
        return QStringLiteral("The installation was wrong!");
    default:
        return {};
    }
}
