#!/usr/bin/env bash
# Sets up and builds the program, serves its web site (site/) on this machine
# and starts the program against it, so that its announcement line is filled.
# The site server stops when the program exits.
set -euo pipefail
cd "$(dirname "$0")/.."

host=127.0.0.1
port=8734
site="http://$host:$port"

scripts/setup.sh
cmake -S . -B build -DNALVIC_SITE_ADDRESS="$site" >/dev/null
cmake --build build -j"$(nproc)" --target nalvic

port_open() { (exec 3<>"/dev/tcp/$host/$port") 2>/dev/null; }

server=
stop_server() { [[ -n $server ]] && kill "$server" 2>/dev/null || true; }
trap stop_server EXIT

if port_open; then
  echo "Something already listens on $host:$port; using it as the program's web site."
else
  python3 -m http.server "$port" --bind "$host" --directory site >build/site-server.log 2>&1 &
  server=$!
  for _ in $(seq 50); do
    port_open && break
    kill -0 "$server" 2>/dev/null || { echo "The site server did not start; see build/site-server.log." >&2; break; }
    sleep 0.1
  done
  port_open && echo "Serving site/ at $site/ (home page) until the program exits."
fi

if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
  build/nalvic
else
  echo "No DISPLAY: starting the program on a virtual X server (xvfb-run); it is not visible."
  echo "Run this script from a desktop session to see the window; stop it with Ctrl+C."
  xvfb-run -a build/nalvic
fi
