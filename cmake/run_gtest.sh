#!/usr/bin/env bash
# Runs one test of a GoogleTest program for CTest: run_gtest.sh <program> <arguments>...
# The test passes only when the program ends with status 0 after GoogleTest's summary says that
# its one test passed. A program that ends in the middle of a test, or fails after the summary (a
# crash at exit, a sanitizer's leak check), fails the test. Listing the tests runs the program as
# it is.
set -uo pipefail
for arg; do
  [ "$arg" = --gtest_list_tests ] && exec "$@"
done

"$@" 2>&1 | awk '{ print; fflush() } $0 == "[  PASSED  ] 1 test." { passed = 1 } END { exit !passed }'
statuses=("${PIPESTATUS[@]}")
if [ "${statuses[0]}" -ne 0 ]; then
  echo "The test program ended with status ${statuses[0]}."
  exit 1
fi
if [ "${statuses[1]}" -ne 0 ]; then
  echo "The test program ended without GoogleTest's summary that its test passed."
  exit 1
fi
