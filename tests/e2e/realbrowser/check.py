"""Reads the sites' record: each of the sixteen sites requested once, with the query as
typed and, for the sites that have one, their own suffix.

usage: check.py LOG_FILE QUERY SUFFIX_SITES   (prints what is wrong, exits 1 if anything)"""

import json
import sys

log, query, suffixed = sys.argv[1], sys.argv[2], sys.argv[3].split(",")
requests = [json.loads(line) for line in open(log, encoding="utf-8") if line.strip()]
faults = []
sites = [r["site"] for r in requests]
for number in (f"{n:02d}" for n in range(1, 17)):
    if sites.count(number) != 1:
        faults.append(f"site {number} was requested {sites.count(number)} times")
for r in requests:
    if r["q"] != [query]:
        faults.append(f"site {r['site']} received the query {r['q']!r}, not [{query!r}]")
    expected_end = [r["site"]] if r["site"] in suffixed else []
    if r["end"] != expected_end:
        faults.append(f"site {r['site']} received the suffix {r['end']!r}")
print("\n".join(faults))
sys.exit(1 if faults else 0)
