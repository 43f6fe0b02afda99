# check-windows-exe.sh FORMAT EXE...
# Checks that each EXE is a Windows console program of FORMAT (PE32 or
# PE32+) that needs no DLL beyond those that come with Windows.
set -eu
format=$1
shift
status=0
for exe in "$@"; do
  description=$(file -b "$exe")
  case $description in
  "$format executable (console)"*) ;;
  *)
    echo "$exe: not a $format console program: $description"
    status=1
    ;;
  esac
  dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
  for dll in $dlls; do
    case $(echo "$dll" | tr '[:upper:]' '[:lower:]') in
    kernel32.dll | msvcrt.dll | api-ms-win-*.dll | user32.dll | advapi32.dll | shell32.dll) ;;
    *)
      echo "$exe: needs $dll"
      status=1
      ;;
    esac
  done
  echo "$exe: $format console program; DLLs: $(echo $dlls)"
done
exit $status
