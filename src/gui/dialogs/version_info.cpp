#include "gui/dialogs/version_info.h"

#ifndef CUTTERBASE_VERSION
#define CUTTERBASE_VERSION ""
#endif
#ifndef CUTTERBASE_REVISION
#define CUTTERBASE_REVISION ""
#endif

const VersionInfo& programVersion() {
    static const VersionInfo info{"Karvex - CutterBase", CUTTERBASE_VERSION, CUTTERBASE_REVISION,
                                  "Copyright (C) Karvex"};
    return info;
}
