// ppd_listing PPD: lists the PPD's options as `lpoptions -l` does, for timing.
#include <cstdio>

#include "PpdListing.h"

int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    const long walked = bench::ListPpdOptions(argv[1]);
    std::printf("%ld\n", walked);
    return walked < 0 ? 1 : 0;
}
