; Hatch patterns for rock units, written for Zavediz.
; Numbers are in pattern units; the hatch dialog multiplies every number
; but the angle by its Y scale x 0.1.
*ZV_LIMESTONE,灰岩砖块
0, 0,0, 0,1
90, 0,0, 1,1, 1,-1
*ZV_DOLOMITE,白云岩斜砖块
0, 0,0, 0,1
60, 0,0, 1.1547,1, 1.1547,-1.1547
*ZV_SANDSTONE,砂岩点
0, 0,0, 0.5,0.5, 0,-1
*ZV_SANDSTONE_COARSE,粗砂岩双点
0, 0,0, 0,1, 0,-1
0, 0.5,0.5, 0,1, 0,-1
*ZV_SHALE,页岩短线
0, 0,0, 1,0.5, 1.5,-0.5
*ZV_SILTSTONE,粉砂岩短线加点
0, 0,0, 0,1, 1.5,-0.5,0,-0.5
*ZV_MUDSTONE,泥岩长短线
0, 0,0, 1.5,0.5, 3,-1
*ZV_GRANITE,花岗岩十字
0, -0.25,0, 0,2, 0.5,-1.5
90, 0,-0.25, 0,2, 0.5,-1.5
*ZV_COAL,煤层密交叉线
45, 0,0, 0,0.5
135, 0,0, 0,0.5
