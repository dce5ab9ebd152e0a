#!/usr/bin/env bash
# The house style, checked as CI checks it:
#   format  every C++ file is formatted as .clang-format says (nothing is changed)
#   tidy    clang-tidy with the checks listed in .clang-tidy on the sources of the
#           programs (src, cli, emulator), warnings as errors; needs a configured
#           build folder for its compile_commands.json
# Usage: tools/lint.sh format | tidy BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}" in
format)
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
    echo "lint: $(git ls-files '*.cpp' '*.h' | wc -l) files formatted as .clang-format says"
    ;;
tidy)
    build=${2:?usage: tools/lint.sh tidy BUILD_DIR}
    [ -f "$build/compile_commands.json" ] || { echo "lint: $build/compile_commands.json missing: configure first" >&2; exit 2; }
    root=$(pwd)
    # clang cannot read GCC's precompiled headers: clang-tidy gets the compile
    # commands without them, so it also finds a source that leaves out an
    # include the precompiled header happened to bring.
    tidy_db="$build/tidy"
    mkdir -p "$tidy_db"
    sed -E 's# -Winvalid-pch -include [^ ]*/cmake_pch\.hxx##g' "$build/compile_commands.json" > "$tidy_db/compile_commands.json"
    # Headers of the project are checked where a source includes them; the
    # generated moc files are not.
    run-clang-tidy -quiet -j "$(nproc 2> /dev/null || echo 2)" -p "$tidy_db" \
        -header-filter="^$root/(cmake/\.\./)?(src|cli|emulator)/" "^$root/(src|cli|emulator)/.*\.cpp$" > "$build/clang-tidy.log" 2>&1 \
        || { grep -E "(warning|error):" "$build/clang-tidy.log" | sort -u >&2; echo "lint: clang-tidy found the above" >&2; exit 1; }
    echo "lint: clang-tidy found nothing ($(grep -c '^clang-tidy' "$build/clang-tidy.log") files)"
    ;;
*)
    echo "usage: tools/lint.sh format | tidy BUILD_DIR" >&2
    exit 2
    ;;
esac
