#!/usr/bin/python3
"""Writes boreholes.sqlite: a tiny SQLite database for the data-source tests."""
import os
import sqlite3

HERE = os.path.dirname(os.path.abspath(__file__))
PATH = os.path.join(HERE, "boreholes.sqlite")
if os.path.exists(PATH):
    os.remove(PATH)
db = sqlite3.connect(PATH)
db.execute("create table zk (hole text, depth real)")
db.executemany("insert into zk values (?, ?)", [("ZK1", 120.5), ("ZK2", 88.0)])
db.commit()
db.close()
