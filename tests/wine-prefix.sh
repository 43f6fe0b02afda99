# wine-prefix.sh start|stop WINE PREFIX
# start: makes PREFIX afresh and keeps a Wine server running for it, so that
# each Windows program the tests start does not pay for Wine's start-up.
# stop: ends that server.
set -eu
action=$1 wine=$2 prefix=$3
server=$(dirname "$wine")/wineserver
export WINEPREFIX="$prefix" WINEDEBUG=-all
case $action in
start)
  "$server" -k 2>/dev/null || true
  rm -rf "$prefix"
  mkdir -p "$prefix"
  # The server must not hold the test runner's output open.
  "$server" -p </dev/null >/dev/null 2>&1
  "$wine" wineboot -i </dev/null >/dev/null 2>&1
  ;;
stop)
  "$server" -k </dev/null >/dev/null 2>&1 || true
  ;;
esac
