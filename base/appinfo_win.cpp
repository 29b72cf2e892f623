// The application record.
#include "base/appinfo_win.h"

AppInfoRecord AppInfo;
