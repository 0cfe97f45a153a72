#!/usr/bin/env bash
# A test's cleanup stops what the test started, and nothing else: the pid of a process that ended
# may by then belong to another test's display or bus (pids wrap around within minutes on a busy
# run), and that one is left running.
source "$(dirname "$0")/lib.sh"
setup_home
start own sleep 60
own=$pid
# As if a pid the test knew had since gone to a program of someone else's.
env -u DUNOK_TEST_RUN sleep 60 &
foreign=$!
pids_to_stop+=("$foreign")
# Until it has started the program, the new process is still a copy of this shell, mark and all.
wait_until 10 eval '[[ $(cat "/proc/$foreign/comm" 2>/dev/null) == sleep ]]' ||
    fail "the process without the mark did not start"
cleanup
process_gone "$own" || fail "the cleanup left a process the test started"
process_gone "$foreign" && fail "the cleanup stopped a process the test did not start"
kill "$foreign"
echo "PASS"
