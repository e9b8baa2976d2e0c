// SPDX-License-Identifier: MIT
/* Reference for the CGATS import: Little CMS loading the same file, as a
 * whole process (start, load, count the sets of every table, exit). */
#include <lcms2.h>
#include <stdio.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: ref_it8_load FILE\n");
        return 2;
    }
    cmsHANDLE it8 = cmsIT8LoadFromFile(NULL, argv[1]);
    if (!it8)
        return 1;
    long sets = 0;
    const cmsUInt32Number tables = cmsIT8TableCount(it8);
    for (cmsUInt32Number t = 0; t < tables; ++t) {
        cmsIT8SetTable(it8, t);
        sets += (long)cmsIT8GetPropertyDbl(it8, "NUMBER_OF_SETS");
    }
    cmsIT8Free(it8);
    printf("%ld\n", sets);
    return 0;
}
