# Sourced by the JACK benchmarks: a private JACK server (dummy driver, 128
# frames at 48 kHz) in a scratch folder.
#   start_jack_server NAME   sets RUN (the scratch folder) and JACKD_PID, points
#                            the JACK clients of this shell at the server and
#                            waits until it answers
#   stop_jack_server         stops it and removes RUN
start_jack_server() {
    RUN=$(mktemp -d)
    local server="$1-$$"
    JACK_NO_AUDIO_RESERVATION=1 setsid jackd -r -n "$server" -d dummy -r 48000 -p 128 > "$RUN/jackd.log" 2>&1 < /dev/null &
    JACKD_PID=$!
    export JACK_DEFAULT_SERVER=$server JACK_NO_START_SERVER=1
    for _ in $(seq 1 100); do
        jack_lsp > /dev/null 2>&1 < /dev/null && break
        sleep 0.1
    done
}
stop_jack_server() {
    kill "$JACKD_PID" 2> /dev/null
    wait 2> /dev/null
    rm -rf "$RUN"
}
