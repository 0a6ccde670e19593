#!/usr/bin/env bash
# Writes 100,000+ batch lines built from the golden requests to standard output: the requests
# themselves, and among them lines with CRLF ends, blank lines, NUL bytes, text after the
# object, repeated and unknown keys, null values, numbers too large, escaped place names, an
# overlong line, and a last line without a line end.
# Usage: mixed_lines.sh REQUESTS.jsonl
set -euo pipefail
requests="$1"
awk -v passes=5 '
  BEGIN { long = "x"; while (length(long) < 1100000) long = long long }
  function head(line) { return substr(line, 1, length(line) - 1) }
  {
    base[NR] = $0
  }
  END {
    n = 0
    for (pass = 0; pass < passes; ++pass) {
      for (i = 1; i <= NR; ++i) {
        line = base[i]; k = ++n
        print line
        if (k % 7 == 0) print line "\r"
        if (k % 11 == 0) print ""
        if (k % 13 == 0) print head(line) ",\"zone\":99999999999999999999}"
        if (k % 17 == 0) print line " trailing"
        if (k % 19 == 0) { bad = line; sub(/"name":"/, "\"nmae\":\"", bad); print bad }
        if (k % 5 == 0) { nulled = line; sub(/"lat":"[^"]*"/, "\"lat\":null", nulled); print nulled }
        if (k % 3 == 0) print head(line) ",\"city\":\"Troms\\u00f8 \\\"N\\\"\",\"state\":\"\\t\"}"
        if (k % 23 == 0) print head(line) "\001}"
        if (k % 29 == 0) print "{\"zone\":" (k % 90) ",\"dst\":" (k % 2 ? "true" : "null") "}"
        if (k == 30001) print "{\"city\":\"" long "\"}"
      }
    }
    printf "%s", base[1]
  }
' "$requests" | tr '\001' '\000'
