#!/usr/bin/env python3
"""Prints the period that covers every line of the *.csv files of a folder on a
15-minute grid, as "dd/mm/yyyy hh:nn:ss" twice (start, end), one per line: the
first and last instants rounded up to the quarter hour, as intervals closed on
the right are labelled.
usage: period.py DIR"""
import sys, glob, datetime as dt

def last_line(path):
    with open(path, "rb") as f:
        f.seek(0, 2)
        size = f.tell()
        f.seek(max(0, size - 4096))
        return f.read().splitlines()[-1].decode("cp1252")

def ceil15(t):
    q = dt.timedelta(minutes=15)
    floor = dt.datetime.min + ((t - dt.datetime.min) // q) * q
    return floor if floor == t else floor + q

files = sorted(glob.glob(sys.argv[1] + "/*.csv"))
stamps = []
for f in files:
    with open(f, encoding="cp1252") as h:
        h.readline()
        stamps.append(h.readline().split(";")[0])
    stamps.append(last_line(f).split(";")[0])
times = [dt.datetime.strptime(s, "%Y-%m-%d %H:%M:%S") for s in stamps]
for t in (ceil15(min(times)), ceil15(max(times))):
    print(t.strftime("%d/%m/%Y %H:%M:%S"))
