# Sourced: ravlen_printer makes sure a printer is there for Wine to find: the
# CUPS scheduler running and a PDF queue ("PDF", printer-driver-cups-pdf) as
# the default printer ("ravlen_printer keep" leaves a default printer that the
# machine has already). Wine lists the printers when a program starts, so call
# it before the first Wine process. Needs root (it starts cupsd without
# systemd). Sets RAVLEN_PDF_DIR, where the queue writes its PDFs: the PDF
# folder in the home of the user who prints.
ravlen_printer() {
    RAVLEN_PDF_DIR="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
    export RAVLEN_PDF_DIR
    if ! command -v cupsd >/dev/null 2>&1 || ! command -v lpadmin >/dev/null 2>&1; then
        echo "No CUPS here: run tools/install-deps.sh to get the label printer." >&2
        return 1
    fi
    if ! lpstat -r 2>/dev/null | grep -q "is running"; then
        if [ "$(id -u)" -ne 0 ]; then
            echo "The CUPS scheduler is not running; start it (as root: cupsd)." >&2
            return 1
        fi
        cupsd  # it forks and returns
        i=0
        while ! lpstat -r 2>/dev/null | grep -q "is running" && [ $i -lt 100 ]; do sleep 0.05; i=$((i + 1)); done
    fi
    if ! lpstat -p PDF >/dev/null 2>&1; then
        lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd || return 1
    fi
    if [ "${1:-}" = keep ] && lpstat -d 2>/dev/null | grep -q "destination: "; then return 0; fi
    lpstat -d 2>/dev/null | grep -q ": PDF$" || lpadmin -d PDF
}
