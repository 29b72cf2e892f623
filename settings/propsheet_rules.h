// All-or-nothing creation of the sheet's pages.
#pragma once

// Makes nCount handles with create(i), in order. When one cannot be made, those
// already made are released with destroy, last first, and the answer is false.
template <typename Handle, typename Create, typename Destroy>
bool CreateAllOrNone(Handle *ahOut, int nCount, Create create, Destroy destroy)
{
    for (int i = 0; i < nCount; ++i) {
        ahOut[i] = create(i);
        if (!ahOut[i]) {
            while (i-- > 0)
                destroy(ahOut[i]);
            return false;
        }
    }
    return true;
}
