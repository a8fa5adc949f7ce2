# Sourced by the scripts: the number of parallel build and test jobs, and installing Debian
# packages that are missing.

# JOBS from the environment, else every core.
JOBS=${JOBS:-$(nproc)}

# install_missing WHO PACKAGE...: installs, with apt-get, those of the packages that are not
# installed yet; does nothing when all are. WHO names the calling script in the message.
install_missing() {
    local who=$1
    shift
    local missing=() p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    echo "$who: installing ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo=sudo; fi
    DEBIAN_FRONTEND=noninteractive $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}
