#!/usr/bin/env bash
# A kill in the middle of a reorder never loses or doubles a timer: a worker reordering 40
# timers is killed at random a hundred times, and the store keeps an order a whole rewrite made.
source "$(dirname "$0")/lib.sh"
worker=$build/tests/reorder_worker
[[ -x $worker ]] || fail "no worker at $worker (build the target reorder_worker)"
setup_home
store=$work/TimerModel.sqlite mid=0 changed=0
"$worker" init "$store" 40 || fail "could not make the store"
previous=$("$worker" check "$store" 40) || fail "the new store is not whole"
mkfifo "$work/ready"
for ((run = 1; run <= 100; run++)); do
    "$worker" run "$store" >"$work/ready" 2>"$work/worker.log" &
    pid=$!
    read -r -t 20 line <"$work/ready" && [[ $line == ready ]] || fail "run $run: not ready: ${line:-}"
    sleep "$(printf '0.%03d' $((RANDOM % 50)))" # up to 50 ms: a few rewrites
    kill -KILL "$pid" 2>/dev/null || true
    { wait "$pid"; } 2>/dev/null && status=0 || status=$?
    ((status == 137)) || fail "run $run: the worker ended on its own ($status)"
    # A journal left beside the store: the kill came inside a rewrite.
    [[ -s $store-journal ]] && mid=$((mid + 1))
    result=$("$worker" check "$store" 40 2>&1) || fail "run $run: $result"
    [[ $result != "$previous" ]] && changed=$((changed + 1))
    previous=$result
done
echo "mid-rewrite=$mid order-changed=$changed"
# Without kills inside a rewrite and rewrites between kills this tested nothing.
((mid > 0 && changed > 0)) || fail "no kill landed inside a rewrite, or no rewrite was committed"
echo "PASS"
