# Sourced by the JACK benchmarks: a private JACK server (dummy driver, 128
# frames at 48 kHz) in a scratch folder.
#   start_jack_server NAME   sets RUN (the scratch folder) and JACKD_PID, points
#                            the JACK clients of this shell at the server and
#                            waits until it answers
#   stop_jack_server         stops it and removes RUN
#
# The server runs its clients' process threads with real-time priority where
# the system allows it, as a stage machine's JACK does. Without it a client
# that misses a cycle on a busy machine leaves its output buffer to be read
# again, and the other side receives the message twice.
start_jack_server() {
    RUN=$(mktemp -d)
    local server="$1-$$"
    export JACK_DEFAULT_SERVER=$server JACK_NO_START_SERVER=1
    local mode
    for mode in -R -r; do
        JACK_NO_AUDIO_RESERVATION=1 setsid jackd "$mode" -n "$server" -d dummy -r 48000 -p 128 > "$RUN/jackd.log" 2>&1 < /dev/null &
        JACKD_PID=$!
        for _ in $(seq 1 100); do
            jack_lsp > /dev/null 2>&1 < /dev/null && break
            kill -0 "$JACKD_PID" 2> /dev/null || break
            sleep 0.1
        done
        if kill -0 "$JACKD_PID" 2> /dev/null && ! grep -q "Cannot use real-time scheduling" "$RUN/jackd.log"; then
            break
        fi
        [ "$mode" = -R ] && { kill "$JACKD_PID" 2> /dev/null; wait "$JACKD_PID" 2> /dev/null; }
    done
    grep -q "realtime mode" "$RUN/jackd.log" || echo "JACK server without real-time priority: expect duplicated messages at missed cycles"
}
stop_jack_server() {
    kill "$JACKD_PID" 2> /dev/null
    wait 2> /dev/null
    rm -rf "$RUN"
}
