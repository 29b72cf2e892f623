// The About box's fixed texts, shared by the dialog templates and the code: a release changes them here only.
#pragma once

#define ABOUT_PRODUCT_NAME  "Vespin"
#define ABOUT_VERSION       "Version 0.90"
#define ABOUT_NOTICE        "Copyright (C) 2026 Brimholt"
#define ABOUT_HOMEPAGE_URL  "https://www.brimholt.example/"
#define ABOUT_MAILTO_URL    "mailto:info@brimholt.example"
