#!/usr/bin/env python3
"""Reads every *.csv of a folder with pandas, as the reference resampling does,
and nothing more: the pandas side of the listing benchmark.
usage: pandas_read_all.py DIR"""
import sys, glob, pandas as pd
d = sys.argv[1]
lines = 0
for f in sorted(glob.glob(d + "/*.csv")):
    frame = pd.read_csv(f, sep=";", na_values=["NA", "-99999"], keep_default_na=False,
                        parse_dates=[0], index_col=0)
    lines += len(frame)
print(lines, "lines read")
