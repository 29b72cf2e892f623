// The About box's fixed texts, shared by the dialog templates and the code.
#pragma once

#define ABOUT_PRODUCT_NAME  "Vespin"
// Written out as the box shows it; the build stops when it and the project version part (about.cpp).
#define ABOUT_VERSION       "Version 0.90"
#define ABOUT_NOTICE        "Copyright (C) 2026 Brimholt"
#define ABOUT_HOMEPAGE_URL  "https://www.brimholt.example/"
#define ABOUT_MAILTO_URL    "mailto:info@brimholt.example"
