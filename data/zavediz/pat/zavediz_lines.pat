; Line hatches for bedding and contacts, written for Zavediz.
*ZV_BEDDING,水平层理
0, 0,0, 0,1
*ZV_BEDDING_WIDE,宽层理
0, 0,0, 0,2
*ZV_BEDDING_DASHED,虚线层理
0, 0,0, 0.5,1, 2,-0.75
*ZV_CROSSHATCH,交叉线
45, 0,0, 0,1.5
135, 0,0, 0,1.5
*ZV_CROSS_BEDDING,斜层理
30, 0,0, 0,1
0, 0,0, 0,4
