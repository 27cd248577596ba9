#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Orvanta developers
# SPDX-License-Identifier: MIT
"""Times the peer: Debian's Python Faker making Chinese user names and free mail addresses.

Prints one line per figure, "name nanoseconds_per_call", each the median of several runs.
"""
import statistics
import sys
import timeit

from faker import Faker

fake = Faker("zh_CN")
calls = int(sys.argv[1]) if len(sys.argv) > 1 else 20000
for name, function in (("faker_user_name", fake.user_name), ("faker_free_email", fake.free_email)):
    runs = [timeit.timeit(function, number=calls) / calls * 1e9 for _ in range(5)]
    print(f"{name} {statistics.median(runs):.1f}")
