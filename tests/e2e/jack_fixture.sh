#!/usr/bin/env bash
# Starts or stops a private JACK server (dummy driver) for the end-to-end tests.
#   jack_fixture.sh start RUN_DIR   writes RUN_DIR/server (its name) and RUN_DIR/jackd.pid
#   jack_fixture.sh stop RUN_DIR
set -u
action=$1
run_dir=$2

case "$action" in
start)
    mkdir -p "$run_dir"
    if [ -f "$run_dir/jackd.pid" ]; then
        kill "$(cat "$run_dir/jackd.pid")" 2>/dev/null
        rm -f "$run_dir/jackd.pid"
    fi
    server="vantorel-e2e-$$-$RANDOM"
    echo "$server" > "$run_dir/server"
    # Without a session bus, jackd2 must not try D-Bus device reservation.
    export JACK_NO_AUDIO_RESERVATION=1
    setsid jackd -r -n "$server" -d dummy -r 48000 -p 1024 > "$run_dir/jackd.log" 2>&1 < /dev/null &
    echo $! > "$run_dir/jackd.pid"
    for _ in $(seq 1 100); do
        if JACK_DEFAULT_SERVER="$server" jack_lsp > /dev/null 2>&1 < /dev/null; then
            echo "JACK server $server is running"
            exit 0
        fi
        sleep 0.1
    done
    echo "JACK server did not start:" >&2
    cat "$run_dir/jackd.log" >&2
    exit 1
    ;;
stop)
    if [ -f "$run_dir/jackd.pid" ]; then
        pid=$(cat "$run_dir/jackd.pid")
        kill "$pid" 2>/dev/null
        for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null
        rm -f "$run_dir/jackd.pid"
    fi
    exit 0
    ;;
*)
    echo "usage: $0 start|stop RUN_DIR" >&2
    exit 2
    ;;
esac
