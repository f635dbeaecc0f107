#!/bin/sh
# The command line without a display: --help and --version answer with
# status 0, an unknown option gets the usage and status 2, and a plain start
# says in one line that it needs a graphical session, with status 1.
#   tests/app/commandline.sh PROGRAM
program=$1
failures=0
check() { # description, expected status, actual status, condition on the output
    if [ "$2" -ne "$3" ] || [ "$4" != yes ]; then echo "FAIL: $1 (status $3)"; failures=$((failures + 1)); fi
}
cd "$(mktemp -d)"
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$PWD${XDG_CONFIG_HOME_UNDER:+/$XDG_CONFIG_HOME_UNDER}" XDG_DATA_HOME="$PWD/data" "$program" "$@" > out.txt 2> err.txt; echo $?; }

status=$(run --version)
check "--version" 0 "$status" "$(grep -qx 'velmorwick [0-9.]*' out.txt && echo yes)"
status=$(run --help)
check "--help" 0 "$status" "$(grep -q -- '--version' out.txt && echo yes)"
status=$(run -h)
check "-h" 0 "$status" "$(grep -q '^Usage:' out.txt && echo yes)"
status=$(run --no-such-option)
check "an unknown option" 2 "$status" "$(grep -q "Unknown option 'no-such-option'" err.txt && grep -q '^Usage:' err.txt && echo yes)"
status=$(run frobnicate)
check "an unknown command" 2 "$status" "$(grep -q "Unknown command: frobnicate" err.txt && grep -q 'restore FILE' err.txt && echo yes)"
status=$(run --private)
check "an export option without export" 2 "$status" "$([ "$(wc -l < err.txt)" -eq 1 ] && echo yes)"
status=$(run export --forget-private)
check "forgetting without snapshots" 2 "$status" "$(grep -q 'belongs to snapshots' err.txt && echo yes)"
status=$(run snapshots --forget-private)
check "nothing older to forget" 0 "$status" "$(grep -q 'No snapshot or kept copy' out.txt && echo yes)"
status=$(run export missing/out.json)
check "export into a folder that is not there" 1 "$status" "$(grep -q 'missing cannot be used (No such file or directory). Nothing was exported.' err.txt && echo yes)"
touch plainfile
status=$(XDG_CONFIG_HOME_UNDER=plainfile/config run add x --list 5)
check "a settings folder that cannot be made" 1 "$status" "$(grep -q 'plainfile/config/Velmorwick could not be created (Not a directory). Nothing was added.' err.txt && echo yes)"
status=$(run put-back)
check "nothing kept aside to put back" 0 "$status" "$(grep -q 'No rows of the private list are kept aside' out.txt && echo yes)"
mkdir -p Velmorwick && rm -f Velmorwick/Velmorwick.conf.lock && mkfifo Velmorwick/Velmorwick.conf.lock
status=$(run snapshots --forget-private)
check "forgetting where the lock cannot be taken" 1 "$status" "$(grep -q 'lock file cannot be used' err.txt && echo yes)"
rm -f Velmorwick/Velmorwick.conf.lock
status=$(run add milk --list 5)
check "add says what it added, and nothing else" 0 "$status" "$(grep -qx 'Added to the 5-task list as task 1.' out.txt && [ ! -s err.txt ] && echo yes)"
cp Velmorwick/Velmorwick.conf Velmorwick/Velmorwick.sync-conflict-20261209-100000-ABCDEFG.conf
status=$(run add eggs --list 5)
check "add leaves a sync program's copy to the program with windows" 0 "$status" "$([ ! -s err.txt ] && [ -f Velmorwick/Velmorwick.sync-conflict-20261209-100000-ABCDEFG.conf ] && echo yes)"
status=$(run add --list 4)
check "add without a text to no such list is refused as with a text" 1 "$status" "$(grep -q 'there is no 4-task list' err.txt && echo yes)"
status=$(run add --list 5 "$(printf 'caf\351')")
check "add refuses a text not in the system's encoding, naming it" 2 "$status" "$(grep -q 'argument 4 is not text' err.txt && echo yes)"
status=$(run add --list 5 "$(printf '\357\273\277milk')")
check "add refuses a text whose byte-order mark would be dropped" 2 "$status" "$(grep -q 'argument 4 is not text' err.txt && echo yes)"
mkdir -p -m 0700 Velmorwick/snapshots && touch "Velmorwick/snapshots/20261209-100000-000Z $(printf '\033]0;x\007\033[2J\342\200\252')step.conf"
status=$(run snapshots)
check "snapshots shows a name's escape sequences escaped" 0 "$status" "$(! grep -q "$(printf '\033')" out.txt && grep -qF '\x1b]0;x\x07\x1b[2J\u202a' out.txt && echo yes)"
touch "Velmorwick/snapshots/20990101-000000-000Z 2099.conf"
status=$(run snapshots)
check "snapshots lists one named after a time to come apart, last" 0 "$status" "$(tail -2 out.txt | head -1 | grep -q 'time to come' && tail -1 out.txt | grep -q '2099-01-01' && echo yes)"
when=$(head -1 out.txt | awk '{ print $2 " " $3 }')
status=$(run restore --snapshot "$when")
check "restore takes a snapshot by the time snapshots shows" 0 "$status" "$(grep -q '^Restored snapshot 1 ' out.txt && echo yes)"
status=$(run export /dev/null)
check "export names a device as one and leaves it" 1 "$status" "$(grep -q '/dev/null is a device' err.txt && echo yes)"
printf '[Replaced]\nTask3.2.20261208T100000000-0000000a=lost task\nTask3.2.20261208T100000000-0000000a.won=20261208T110000000-0000000b 1 won task\n\n[Task3]\nText1=a\nText2=b\nText3=c\n' > Velmorwick/Velmorwick.conf
status=$(run replaced)
check "replaced lists what a merge replaced" 0 "$status" "$(grep -q 'the 3-task list, task 2: "lost task" (ticked) replaced by "won task"' out.txt && echo yes)"
status=$(run replaced --put-back 1)
check "a replaced task is not put back into a full list" 1 "$status" "$(grep -q 'no empty row' err.txt && grep -q 'Text2=b' Velmorwick/Velmorwick.conf && echo yes)"
status=$(run -style Fusion)
check "Qt's own options alone are left to the windows" 1 "$status" "$(grep -q 'graphical session' err.txt && echo yes)"
status=$(run)
check "no display" 1 "$status" "$([ "$(wc -l < err.txt)" -eq 1 ] && grep -q 'graphical session' err.txt && grep -q 'xvfb-run' err.txt && echo yes)"

echo "$((25 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
