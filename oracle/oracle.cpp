#include "oracle.h"

unsigned char oracle_line(unsigned char kind, unsigned char sum) {
    // Rows are the sums 6..9; columns the primary and the changed line.
    static const unsigned char table[4][2] = {{0, 1}, {1, 1}, {0, 0}, {1, 0}};
    if ((kind != 1 && kind != 2) || sum < 6 || sum > 9)
        return 255;
    return table[sum - 6][kind - 1];
}
