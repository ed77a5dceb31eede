# Shared by the set-up scripts: install Debian packages as root (or with sudo).
as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Package names from the given lists (one a line, "#" starts a comment).
package_list() {
    sed -e 's/#.*//' "$@" | tr -s ' \t' '\n' | grep -v '^$' | sort -u
}

install_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "== Installing: ${missing[*]}"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
}
