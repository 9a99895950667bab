# Sourced (bash) by the scripts that show the real window (smoke test, guide screenshots, memory bench):
# one private X server on a display nobody else holds.
#
#   xvfb_start FOLDER   starts Xvfb, which picks the first free display itself and writes its
#                       number once it takes clients; exports DISPLAY. Status 1 when no server
#                       starts (the log is FOLDER/xvfb.log).
#   xvfb_stop           ends the server and waits until it has gone, so that its display and
#                       lock file are free before the next server looks for one.

xvfb_pid=''

xvfb_start() {
    local folder=$1 _
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$folder/xvfb.display" \
        >"$folder/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$folder/xvfb.display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    local number
    number=$(head -1 "$folder/xvfb.display" 2>/dev/null || true)
    if [ -z "$number" ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
        xvfb_stop
        return 1
    fi
    export DISPLAY=:$number
}

xvfb_stop() {
    [ -n "$xvfb_pid" ] || return 0
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=''
    return 0
}
