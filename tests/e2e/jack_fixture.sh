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
    # Real-time process threads where the system allows them: without, a
    # client that misses a cycle on a busy machine may lose or double a
    # message, and a check that counts messages fails for the machine's sake.
    for mode in -R -r; do
        setsid jackd "$mode" -n "$server" -d dummy -r 48000 -p 1024 > "$run_dir/jackd.log" 2>&1 < /dev/null &
        pid=$!
        echo $pid > "$run_dir/jackd.pid"
        for _ in $(seq 1 100); do
            kill -0 "$pid" 2> /dev/null || break
            if JACK_DEFAULT_SERVER="$server" jack_lsp > /dev/null 2>&1 < /dev/null; then
                if [ "$mode" = -R ] && grep -q "Cannot use real-time scheduling" "$run_dir/jackd.log"; then
                    break
                fi
                echo "JACK server $server is running ($([ "$mode" = -R ] && echo real-time || echo without real-time priority))"
                exit 0
            fi
            sleep 0.1
        done
        kill "$pid" 2> /dev/null
        wait "$pid" 2> /dev/null
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
