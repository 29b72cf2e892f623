// The application record.
#include "app/appinfo_win.h"

AppInfoRecord AppInfo;
