// The platform's plain point and rectangle records. This header depends on
// nothing, so that the program and the Zembrol library (and programs that use
// Zembrol) can share it. Each record is guarded on its own, so a program that
// already defines one of them keeps its own definition.
#ifndef ZAVEDIZ_RECORDS_H
#define ZAVEDIZ_RECORDS_H

#include <stdint.h>

#ifndef ZV_D_DOT_DEFINED
#define ZV_D_DOT_DEFINED
// A plane point.
typedef struct D_DOT {
  double x;
  double y;
} D_DOT;
#endif

#ifndef ZV_D_3DOT_DEFINED
#define ZV_D_3DOT_DEFINED
// A 3-D point; also a sample of the B-spline library.
typedef struct D_3DOT {
  double x;
  double y;
  double z;
} D_3DOT;
#endif

#ifndef ZV_D_RECT_DEFINED
#define ZV_D_RECT_DEFINED
// A rectangle; also the domain of the B-spline library.
typedef struct D_RECT {
  double xmin;
  double ymin;
  double xmax;
  double ymax;
} D_RECT;
#endif

#ifndef ZV_L_DOT_DEFINED
#define ZV_L_DOT_DEFINED
// An integer point: the platform's pair of 32-bit longs.
typedef struct L_DOT {
  int32_t x;
  int32_t y;
} L_DOT;
#endif

#endif  // ZAVEDIZ_RECORDS_H
