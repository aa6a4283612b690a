#!/bin/sh
# The GBK copy of the hand-written point file: the same text, in the code
# page the exchange files are written in.
cd "$(dirname "$0")" && iconv -f UTF-8 -t GBK points_utf8.wat > points_gbk.wat
