/* A stand-in libXinerama.so.1 for the tests: Xvfb gives one wide screen, this
 * reports it to Wine as several heads. VESPIN_HEADS lists them as
 * "WxH+X+Y,WxH+X+Y"; the default is 1024x768 at 0,0 and 800x600 beside it. */
#include <stdlib.h>

typedef struct {
    int screen_number;
    short x_org, y_org, width, height;
} XineramaScreenInfo;

typedef struct _XDisplay Display;

int XineramaQueryExtension(Display *dpy, int *event_base, int *error_base)
{
    (void)dpy;
    *event_base = *error_base = 0;
    return 1;
}

int XineramaIsActive(Display *dpy)
{
    (void)dpy;
    return 1;
}

/* Wine frees the answer with XFree, which is free. */
XineramaScreenInfo *XineramaQueryScreens(Display *dpy, int *number)
{
    const char *wanted = getenv("VESPIN_HEADS");
    XineramaScreenInfo *heads = malloc(8 * sizeof(*heads));
    int n = 0;
    (void)dpy;
    if (!wanted || !*wanted)
        wanted = "1024x768+0+0,800x600+1024+0";
    while (heads && n < 8 && *wanted) {
        char *end;
        long w = strtol(wanted, &end, 10), h, x, y;
        if (*end++ != 'x') break;
        h = strtol(end, &end, 10);
        x = strtol(end, &end, 10);
        y = strtol(end, &end, 10);
        heads[n].screen_number = n;
        heads[n].x_org = (short)x;
        heads[n].y_org = (short)y;
        heads[n].width = (short)w;
        heads[n].height = (short)h;
        ++n;
        if (*end != ',') break;
        wanted = end + 1;
    }
    *number = n;
    return heads;
}
