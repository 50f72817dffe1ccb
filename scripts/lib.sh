# Shared by scripts/run and scripts/test; source it, do not run it.

TIVORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# install_packages <group>: installs the packages of scripts/packages.txt up to
# and including the group's section ("run", or "test" for both), or those of the
# "windows" section alone.
install_packages() {
    local group="$1" wanted=() missing=() section="" pkg
    while IFS= read -r line; do
        case "$line" in
            "# [run]"*) section=run; continue ;;
            "# [test]"*) section=test; continue ;;
            "# [windows]"*) section=windows; continue ;;
            "#"* | "") continue ;;
        esac
        case "$group/$section" in
            run/run | test/run | test/test | windows/windows) wanted+=("$line") ;;
        esac
    done < "$TIVORA_ROOT/scripts/packages.txt"
    for pkg in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

jobs() { nproc 2>/dev/null || echo 2; }
