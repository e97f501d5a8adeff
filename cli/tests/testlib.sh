# Shared by the command-line test scripts, sourced once $work names the case's own folder:
# a fresh folder and settings store, and the checks every script makes.
rm -rf "$work" && mkdir -p "$work"
export CHANFORGE_SETTINGS=$work/settings.ini

fail() { echo "FAIL: $*" >&2; exit 1; }
# expect STATUS CMD...: runs the command, keeping stdout in $work/out and stderr in $work/err
expect() {
  local want=$1; shift
  "$@" >"$work/out" 2>"$work/err"
  local got=$?
  [ "$got" = "$want" ] || fail "exit $got, wanted $want: $* ($(cat "$work/err"))"
}
contains() { grep -qF -- "$2" "$1" || fail "$1 lacks '$2': $(head -c 400 "$1")"; }
# start_sim ARGS...: the virtual receiver ($stbsim) in the background; sets sim_pid and sim_port
start_sim() {
  : >"$work/sim.out"
  "$stbsim" "$@" >"$work/sim.out" 2>"$work/sim.err" &
  sim_pid=$!
  for _ in $(seq 200); do [ -s "$work/sim.out" ] && break; sleep 0.05; done
  sim_port=$(head -n 1 "$work/sim.out")
  [ -n "$sim_port" ] || fail "the receiver did not start: $(cat "$work/sim.err")"
}
stop_sim() { kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null; }
