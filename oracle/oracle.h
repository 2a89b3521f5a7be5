#pragma once

// The oracle library: turns the sum of one throw (three coins or three stalk divisions) into a line.

#if defined(_WIN32)
#if defined(ORACLE_BUILD)
#define ORACLE_API __declspec(dllexport)
#else
#define ORACLE_API __declspec(dllimport)
#endif
#else
#define ORACLE_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

// kind 1 asks for the line of the primary hexagram, kind 2 for the line of the changed hexagram.
// sum is 6..9: 6 broken and moving, 7 solid at rest, 8 broken at rest, 9 solid and moving.
// Returns 1 for a solid line and 0 for a broken one. Arguments outside the table (a kind other
// than 1 or 2, a sum outside 6..9) return 255, which no caller takes for a line.
ORACLE_API unsigned char oracle_line(unsigned char kind, unsigned char sum);

#ifdef __cplusplus
}
#endif
