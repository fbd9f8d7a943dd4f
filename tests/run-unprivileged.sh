#!/bin/sh
# Runs a test program as the unprivileged user "nobody" when started as
# root; otherwise runs it as it is. Permission checks mean nothing to root.
if [ "$(id -u)" = 0 ]; then
  exec setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env "$@"
fi
exec "$@"
