# The same job as a POSIX shell loop: OUTPUT is the only argument.
redirect=replace
for f in *; do
  case $f in
  . | ..) ;;
  *[!./0-9]*) echo "Ignoring $f" ;;
  *)
    printf 'Processing %s.....' "$f"
    if [ $redirect = replace ]; then
      quarnel "$f" -debug >"$1"
    else
      quarnel "$f" -debug >>"$1"
    fi
    status=$?
    redirect=append
    if [ $status -ne 0 ]; then
      echo 'Failed!'
      break
    fi
    echo 'Done.'
    ;;
  esac
done
