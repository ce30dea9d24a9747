#!/usr/bin/env bash
# Sets up and takes down the print server of the end-to-end print test.
#
#   cups_server.sh start STATE_DIR   start the CUPS scheduler if it is not
#                                    running, add the PDF queue KoravelPDF
#                                    (cups-pdf) and make it the default
#   cups_server.sh stop STATE_DIR    remove the queue, put the old default
#                                    back, stop the scheduler if start started it
#
# STATE_DIR keeps what start did, so that stop undoes exactly that. When the
# queue cannot be set up here (not root, CUPS or cups-pdf missing) start
# writes the reason into STATE_DIR/unavailable and succeeds; the test then
# skips itself with that reason.
set -euo pipefail

queue=KoravelPDF
ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
action=${1:-}
state=${2:-}
if [ -z "$action" ] || [ -z "$state" ]; then
  echo "usage: $0 start|stop STATE_DIR" >&2
  exit 2
fi

scheduler_running() {
  lpstat -r 2>/dev/null | grep -q "scheduler is running"
}

unavailable() {
  echo "$1" > "$state/unavailable"
  echo "print queue not set up: $1"
  exit 0
}

start() {
  rm -rf "$state"
  mkdir -p "$state"
  [ "$(id -u)" -eq 0 ] || unavailable "setting up a print queue needs root"
  for tool in /usr/sbin/cupsd lpadmin lpstat; do
    command -v "$tool" >/dev/null || unavailable "$tool is not installed"
  done
  [ -e /usr/lib/cups/backend/cups-pdf ] || unavailable "the cups-pdf backend is not installed"

  if ! scheduler_running; then
    # In the foreground of its own session, so that its process id is known
    # and it holds none of the caller's output streams open.
    setsid /usr/sbin/cupsd -f </dev/null >/dev/null 2>&1 &
    echo $! > "$state/cupsd.pid"
    for _ in $(seq 100); do
      scheduler_running && break
      sleep 0.1
    done
    scheduler_running || { echo "the CUPS scheduler did not start" >&2; exit 1; }
  fi

  # The default printer before the test, if any, to put back afterwards.
  lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p' > "$state/previous-default"
  # lpadmin warns that printer drivers are deprecated; the queue works.
  lpadmin -p "$queue" -E -v cups-pdf:/ -m "$ppd" 2>/dev/null
  lpadmin -d "$queue"
  touch "$state/queue-added"
  echo "print queue $queue ready (default printer)"
}

stop() {
  [ -d "$state" ] || exit 0
  if [ -e "$state/queue-added" ] && scheduler_running; then
    lpadmin -x "$queue" 2>/dev/null || true
    previous=$(cat "$state/previous-default" 2>/dev/null || true)
    if [ -n "$previous" ] && [ "$previous" != "$queue" ]; then
      lpadmin -d "$previous" 2>/dev/null || true
    fi
  fi
  if [ -s "$state/cupsd.pid" ]; then
    pid=$(cat "$state/cupsd.pid")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
  fi
  rm -rf "$state"
}

case "$action" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop STATE_DIR" >&2; exit 2 ;;
esac
