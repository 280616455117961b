# print-session.sh — sourced after wine-session.sh by the scripts that test
# printing: a CUPS server of the run's own (its configuration, spool and
# socket in a scratch folder) with one PDF printer, the default. Wine's
# programs find it through CUPS_SERVER; the printed PDFs land in
# NORVA_PDF_DIR. The session ends what it started: cupsd by its PID, the
# scratch folder and the PDF backend's configuration file.
#
#   source scripts/wine-session.sh; wine_session_start
#   source scripts/print-session.sh; print_session_start   (ended on exit)

print_dir=""
cupsd_pid=""
print_instance=""

print_session_stop() {
  if [ -n "$cupsd_pid" ]; then
    kill "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
    cupsd_pid=""
  fi
  [ -n "$print_instance" ] && rm -f "/etc/cups/cups-pdf-$print_instance.conf"
  [ -n "$print_dir" ] && rm -rf "$print_dir"
  print_dir="" print_instance=""
}

# The printer's PDF backend reads its settings from /etc/cups only; each
# run gets its own file there, named after its scratch folder.
write_print_config() {
  cat >"$print_dir/cups-files.conf" <<EOF
ServerRoot $print_dir/etc
RequestRoot $print_dir/spool
CacheDir $print_dir/cache
StateDir $print_dir/state
TempDir $print_dir/tmp
AccessLog $print_dir/log/access_log
ErrorLog $print_dir/log/error_log
PageLog $print_dir/log/page_log
SystemGroup root
EOF
  cat >"$print_dir/cupsd.conf" <<EOF
Listen $print_dir/cups.sock
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
  printf 'Out %s\nAnonDirName %s\nLog %s\nGrp root\n' \
    "$print_dir/pdf" "$print_dir/pdf" "$print_dir/log" >"/etc/cups/cups-pdf-$print_instance.conf"
}

print_session_start() {
  for tool in /usr/sbin/cupsd lpadmin pdftotext; do
    command -v "$tool" >/dev/null || { echo "print-session: $tool missing (scripts/setup.sh installs it)" >&2; return 1; }
  done
  [ -x /usr/lib/cups/backend/cups-pdf ] || { echo "print-session: the cups-pdf backend is missing" >&2; return 1; }
  trap 'print_session_stop; wine_session_stop' EXIT
  trap 'print_session_stop; wine_session_stop; exit 130' INT TERM
  print_dir=$(mktemp -d /tmp/norva-cups.XXXXXX)
  print_instance=norva-$(basename "$print_dir" | cut -d. -f2)
  mkdir -p "$print_dir"/{etc/ppd,spool,cache,state,log,pdf}
  mkdir -m 1777 "$print_dir/tmp"   # the filters run as the lp user
  chmod 755 "$print_dir"
  write_print_config
  /usr/sbin/cupsd -f -c "$print_dir/cupsd.conf" -s "$print_dir/cups-files.conf" \
    >"$print_dir/log/cupsd.out" 2>&1 </dev/null &
  cupsd_pid=$!
  export CUPS_SERVER=$print_dir/cups.sock NORVA_PDF_DIR=$print_dir/pdf
  for _ in $(seq 100); do
    [ -S "$CUPS_SERVER" ] && lpstat -r >/dev/null 2>&1 && break
    kill -0 "$cupsd_pid" 2>/dev/null || { cat "$print_dir/log/cupsd.out" >&2; return 1; }
    sleep 0.1
  done
  lpadmin -p PDF -v "cups-pdf:/$print_instance" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -E \
    2>/dev/null && lpadmin -d PDF || { echo "print-session: no PDF printer" >&2; return 1; }
}
