#!/bin/sh
# Prints how much the tests weigh against the whole: lines of C++ under tests/
# (T), in the test rig tools/driver/ and tools/hooks/ (R), and in the whole
# repository (A), with T/A and (T+R)/A.
cd "$(dirname "$0")/.."
lines() { git ls-files -- "$@" | grep -E '\.(cpp|h)$' | tr '\n' '\0' | xargs -0 cat | wc -l; }
t=$(lines tests)
r=$(lines tools/driver tools/hooks)
a=$(lines .)
echo "T $t  R $r  A $a"
awk -v t="$t" -v r="$r" -v a="$a" 'BEGIN { printf "T/A %.3f  (T+R)/A %.3f\n", t / a, (t + r) / a }'
