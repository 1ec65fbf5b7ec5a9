// Saves the two large schemes in turn, the second one first, through the program's own save path, until it is
// killed or has made the number of saves given.
//
//   tw_save_driver TARGET [SAVES]

#include "../LargeSchemes.h"
#include "persist/SchemeFile.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s TARGET [SAVES]\n", argv[0]);
        return 2;
    }
    const QString target = QString::fromLocal8Bit(argv[1]);
    const long saves = argc == 3 ? std::strtol(argv[2], nullptr, 10) : -1;
    const SchemeData schemes[] = { LargeScheme(0), LargeScheme(1) };
    for (long n = 0; saves < 0 || n < saves; ++n) {
        if (WriteSchemeFile(target, schemes[(n + 1) % 2]) != SchemeWriteStatus::Ok) {
            std::fprintf(stderr, "save %ld failed\n", n);
            return 1;
        }
    }
    return 0;
}
