// Walks a dialog template's header up to its font.
#include "settings/propsheet.h"

namespace {

constexpr uint32_t kSetFont = 0x40;  // DS_SETFONT; DS_SHELLFONT includes it

// Skips a menu, class or title field: none, an ordinal, or a string.
size_t SkipNameOrOrdinal(const uint16_t *pw, size_t i)
{
    if (pw[i] == 0)
        return i + 1;
    if (pw[i] == 0xFFFF)
        return i + 2;
    while (pw[i] != 0)
        ++i;
    return i + 1;
}

}  // namespace

TemplateFont FindTemplateFont(const uint16_t *pw)
{
    const bool bExtended = pw[0] == 1 && pw[1] == 0xFFFF;
    // Extended: version, signature, help id, extended style, style; else style, extended style.
    const size_t iStyle = bExtended ? 6 : 0;
    const uint32_t dwStyle = pw[iStyle] | (static_cast<uint32_t>(pw[iStyle + 1]) << 16);
    size_t i = bExtended ? 13 : 9;  // past the item count and the rectangle
    for (int nField = 0; nField < 3; ++nField)
        i = SkipNameOrOrdinal(pw, i);
    if (!(dwStyle & kSetFont))
        return {0, 0};
    // Extended templates add a weight word and the italic and charset bytes.
    return {i, i + (bExtended ? 3 : 1)};
}
